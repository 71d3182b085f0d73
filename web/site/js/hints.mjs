// The hint pane: what a clue says, with its tiles' pictures in the
// sentence, and after a clue step the closing part naming the tile and the
// square it changed. The pieces come from the core; the words from the
// desktop's translations.

import { splitTemplate } from "./i18n.mjs";
import { pictureElement, pictureRow, pictureTile } from "./board.mjs";
import { rowName, tileName } from "./a11y.mjs";

// The words a closing part puts after its pictures: the column, the row's
// name, and the row's name in lower case.
function squareWords(names, message) {
  if (!message.closing || !(message.c >= 1) || !(message.r >= 1)) return [];
  const row = rowName(names, message.r);
  return [String(message.c), row, row.toLowerCase()];
}

// The nodes of one message: text, and a small picture for each picture
// placeholder (a picture 0 is left out).
export function messageNodes(catalog, tiles, message) {
  const template = catalog.tr(message.context, message.source);
  const pictures = message.pictures ?? [];
  const names = { catalog, tiles };
  const words = squareWords(names, message);
  const nodes = [];
  let text = "";
  const flush = () => {
    if (text) nodes.push(document.createTextNode(text));
    text = "";
  };
  for (const part of splitTemplate(template)) {
    if (part.argument === 0) {
      text += part.text;
    } else if (part.argument <= pictures.length) {
      const picture = pictures[part.argument - 1];
      if (picture >= 1) {
        flush();
        const image = pictureElement(picture, "hint-picture");
        image.setAttribute("role", "img");
        image.setAttribute("aria-label", tileName(names, pictureRow(picture), pictureTile(picture)));
        nodes.push(image);
      }
    } else {
      text += words[part.argument - pictures.length - 1] ?? "";
    }
  }
  flush();
  return nodes;
}

// Shows messages (the core's hint pieces) in the pane; an empty list
// clears it.
export function showHint(element, catalog, tiles, messages) {
  const line = document.createElement("p");
  line.className = "hint-line";
  for (const message of messages) {
    const span = document.createElement("span");
    span.className = message.closing ? "hint-closing" : "hint-sentence";
    span.append(...messageNodes(catalog, tiles, message));
    line.append(span);
  }
  element.replaceChildren(line);
}
