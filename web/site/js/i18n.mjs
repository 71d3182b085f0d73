// The page's texts in the player's language, from the desktop's own
// translation files (converted to i18n/<code>.json when the page is built):
// a text is looked up by its context and English source, as the desktop's
// translate() does, and stays English where there is no translation.

// Which numerus form a count takes, per language, in the order the
// translation files hold the forms.
const pluralForm = {
  fr: (n) => (n < 2 ? 0 : 1),
};
const defaultPluralForm = (n) => (n === 1 ? 0 : 1);

export class Catalog {
  constructor(language = "en", entries = {}) {
    this.language = language;
    this.entries = entries;
  }

  // The translation of source in context; with a count, its numerus form
  // with %n put in.
  tr(context, source, count) {
    let text = this.entries[context]?.[source] ?? source;
    if (Array.isArray(text)) {
      const form = (pluralForm[this.language] ?? defaultPluralForm)(count ?? 0);
      text = text[Math.min(form, text.length - 1)] || source;
    }
    return count === undefined ? text : text.replaceAll("%n", String(count));
  }
}

// A template cut at %1..%9 as the engine cuts it: {argument: 0, text} for
// text, {argument: k} for placeholder k; "%" before anything else is text.
export function splitTemplate(source) {
  const parts = [];
  let text = "";
  for (let i = 0; i < source.length; ++i) {
    const digit = source.charCodeAt(i + 1) - 48;
    if (source[i] === "%" && digit >= 1 && digit <= 9) {
      if (text) parts.push({ argument: 0, text });
      text = "";
      parts.push({ argument: digit });
      ++i;
    } else {
      text += source[i];
    }
  }
  if (text) parts.push({ argument: 0, text });
  return parts;
}

// %1, %2, ... replaced by values[0], values[1], ... in one pass, whatever
// order they stand in; a placeholder without a value is left out.
export function fill(source, values) {
  return splitTemplate(source)
    .map((p) => (p.argument === 0 ? p.text : String(values[p.argument - 1] ?? "")))
    .join("");
}

// A desktop label without the "&" that marks its shortcut letter ("&&"
// stands for "&").
export const stripShortcut = (text) => text.replace(/&(&?)/g, "$1");

// A message of the stored formats' readers ({context, source, count, args},
// an argument a text, a number or a message) in the catalogue's language:
// each value replaces the lowest-numbered %1..%99 left, as the desktop does.
export function formatMessage(catalog, message) {
  let text = catalog.tr(message.context, message.source, message.count);
  for (const arg of message.args ?? []) {
    const value = typeof arg === "object" ? formatMessage(catalog, arg) : String(arg);
    let lowest = null;
    for (const m of text.matchAll(/%(\d{1,2})/g)) {
      const k = Number(m[1]);
      if (k >= 1 && (lowest === null || k < lowest)) lowest = k;
    }
    if (lowest === null) break;
    text = text.replace(new RegExp(`%${lowest}(?!\\d)`, "g"), () => value);
  }
  return text;
}

// The language of the page: a stored choice, else the first of the
// browser's languages the page has, else English.
export function pickLanguage(available, stored, browserLanguages) {
  if (stored && available.includes(stored)) return stored;
  for (const tag of browserLanguages ?? []) {
    const code = String(tag).toLowerCase().split("-")[0];
    if (available.includes(code)) return code;
  }
  return "en";
}

// Loads the catalogue of a language from the page's i18n folder.
export async function loadCatalog(language, base = "i18n/") {
  if (language === "en") {
    const response = await fetch(`${base}en.json`);
    return new Catalog("en", response.ok ? await response.json() : {});
  }
  const response = await fetch(`${base}${language}.json`);
  if (!response.ok) throw new Error(`no catalogue for ${language}`);
  return new Catalog(language, await response.json());
}
