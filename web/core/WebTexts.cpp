// The texts only the web page shows, kept here so that the translators'
// tools find them beside the desktop's and they are translated in the same
// files. The page asks for the table once and translates each entry as
// ("Web", source); every other text it shows is the desktop's own.

#include "Json.h"

#include <string>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define QM_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define QM_EXPORT extern "C"
#endif

// Marks a text of the page for the translators' tools.
#define WEB_TR_NOOP(context, text) text

namespace {

struct TWebText {
  const char* Key;     // the page's name for it
  const char* Source;  // English, translated in the context "Web"
};

constexpr TWebText WebTexts[] = {
    // The page's own switches and buttons.
    {"sound", WEB_TR_NOOP("Web", "Sound")},
    {"removeMode", WEB_TR_NOOP("Web", "Tap removes")},
    // A puzzle shared by its address.
    {"share", WEB_TR_NOOP("Web", "Share")},
    {"shareDone", WEB_TR_NOOP("Web", "The address of this puzzle is copied.")},
    {"shareByHand", WEB_TR_NOOP("Web", "Copy the address of this puzzle: %1")},
    {"badAddress", WEB_TR_NOOP("Web", "The address %1 opens no puzzle: %2")},
    // The records the browser keeps.
    {"storageNone",
     WEB_TR_NOOP("Web",
                 "The browser keeps nothing for this page here (private mode or storage turned "
                 "off): scores and games last only while it is open.")},
    {"storageFull",
     WEB_TR_NOOP("Web",
                 "The browser's storage for this page is full: the latest records are kept only "
                 "while the page is open.")},
    {"recordKeptAside",
     WEB_TR_NOOP("Web", "The stored record %1 could not be read and is kept aside as %2: %3")},
    {"recordLeft", WEB_TR_NOOP("Web", "The stored record %1 could not be read and is left as it is: %2")},
    {"recordNotJson", WEB_TR_NOOP("Web", "it is not valid JSON")},
    {"recordBadField", WEB_TR_NOOP("Web", "the field \"%1\" holds no valid value")},
    // Saved games as files.
    {"fileTooBig", WEB_TR_NOOP("Web", "The file %1 is too big to be a saved game (%2 bytes; at most %3).")},
};

}  // namespace

QM_EXPORT const char* qm_web_texts() {
  static std::string out;
  if (out.empty()) {
    out = "{";
    for (const TWebText& text : WebTexts) json::Field(out, text.Key, text.Source);
    out += '}';
  }
  return out.c_str();
}
