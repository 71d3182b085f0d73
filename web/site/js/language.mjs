// The page's language: the browser's (or the player's stored choice) at
// the start, and the language menu, which changes every text at once. The
// languages are the desktop's, from its own translation files.

import { Catalog, loadCatalog, pickLanguage, stripShortcut } from "./i18n.mjs";

// A language's name in itself, as a list entry heads it ("Français").
export function languageName(code, catalog) {
  let name = "";
  if (catalog?.language === code) name = catalog.tr("Language", "English");
  if (!name || (name === "English" && code !== "en")) {
    try {
      name = new Intl.DisplayNames([code], { type: "language" }).of(code) ?? "";
    } catch {
      name = "";
    }
  }
  if (!name) name = code;
  return name.charAt(0).toLocaleUpperCase(code) + name.slice(1);
}

// Fills #language with the available languages (codes of i18n/), picks the
// stored choice or else the browser's language, and calls onChange(catalog)
// as soon as the player chooses another. Gives the catalogue of the language
// picked.
export async function startLanguage(available, stored, onChange) {
  const select = document.getElementById("language");
  const label = document.getElementById("language-label");
  const codes = available?.length ? available : ["en"];
  const picked = pickLanguage(codes, stored, navigator.languages);
  let catalog;
  try {
    catalog = await loadCatalog(picked);
  } catch {
    catalog = new Catalog("en");
  }

  const show = (current) => {
    document.documentElement.lang = current.language || "en";
    if (label) label.textContent = stripShortcut(current.tr("TSettingsForm", "&Language:"));
    if (!select) return;
    select.replaceChildren(
      ...codes.map((code) => {
        const option = document.createElement("option");
        option.value = code;
        // Each name in its own language, and read so.
        option.lang = code;
        option.textContent = languageName(code, current);
        return option;
      }),
    );
    select.value = current.language;
  };
  show(catalog);

  let asked = 0;
  select?.addEventListener("change", async () => {
    const code = select.value;
    const ask = ++asked;
    let next;
    try {
      next = await loadCatalog(code);
    } catch (error) {
      console.error(error);
      if (ask === asked) select.value = catalog.language;
      return;
    }
    // A later choice overtook this one.
    if (ask !== asked) return;
    catalog = next;
    show(catalog);
    onChange(catalog);
  });
  return catalog;
}
