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
    {"share", WEB_TR_NOOP("Web", "Share")},
    {"shareDone", WEB_TR_NOOP("Web", "The address of this puzzle is copied.")},
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
