#include "platform/web/WebPage.h"

#include <emscripten.h>

#include <cstdlib>

#include "platform/web/CanvasMapping.h"

// Each of these calls into the page script's `Module.page` object (page/panipani.js); their
// bodies stay one call, since the C preprocessor does not keep JavaScript's operators intact.

// The imports Asyncify suspends at.
EM_ASYNC_JS(void, pp_wait_for_input, (int timeoutMs),
            { await Module.page.waitForInput(timeoutMs); });
EM_ASYNC_JS(void, pp_wait_for_sounds, (), { await Module.soundsWritten; });
EM_ASYNC_JS(void, pp_wait_for_saves, (), { await Module.savesRead; });

// Fills fields[0..6] (kind, phase, x, y, w, h, value) with the oldest input and returns its
// text (malloc'd, the caller frees), or returns 0 with fields[0] = -1 when there is none.
EM_JS(char*, pp_take_input, (double* fields), { return Module.page.takeInput(fields); });

EM_JS(void, pp_show_frame, (const uint32_t* rgba), { Module.page.showFrame(rgba); });
EM_JS(void, pp_set_title, (const char* text), { Module.page.setTitle(UTF8ToString(text)); });
EM_JS(void, pp_open_question, (const char* text),
      { Module.page.openQuestion(UTF8ToString(text)); });
EM_JS(void, pp_show_error, (const char* text), { Module.page.showError(UTF8ToString(text)); });
EM_JS(void, pp_send_event, (const char* json, int size),
      { Module.page.sendEvent(UTF8ToString(json, size)); });
EM_JS(void, pp_send_text, (const char* json, int size),
      { Module.page.showText(UTF8ToString(json, size)); });
EM_JS(void, pp_game_started, (), { Module.page.gameStarted(); });
EM_JS(void, pp_game_ended, (int status), { Module.page.gameEnded(status); });

namespace pp {

void WaitForPageInput(int timeoutMs) { pp_wait_for_input(timeoutMs); }
void WaitForPageSounds() { pp_wait_for_sounds(); }
void WaitForPageSaves() { pp_wait_for_saves(); }
void LetThePageRun() { emscripten_sleep(0); }

std::optional<PageInput> TakePageInput() {
  double fields[7];
  char* text = pp_take_input(fields);
  if (fields[0] < 0) return std::nullopt;
  PageInput input;
  input.kind = static_cast<PageInput::Kind>(static_cast<int>(fields[0]));
  input.phase = static_cast<PageInput::Phase>(static_cast<int>(fields[1]));
  input.x = fields[2];
  input.y = fields[3];
  input.w = fields[4];
  input.h = fields[5];
  input.value = static_cast<int>(fields[6]);
  if (text) {
    input.text = text;
    std::free(text);
  }
  return input;
}

void ShowFrameOnPage(const uint32_t* pixels, std::vector<uint32_t>& rgba) {
  rgba.resize(size_t{kPictureWidth} * kPictureHeight);
  // 0x00RRGGBB becomes the canvas's bytes R, G, B, 255: one word each on the little-endian heap.
  for (size_t i = 0; i < rgba.size(); ++i) {
    const uint32_t p = pixels[i];
    rgba[i] = 0xFF000000u | (p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF);
  }
  pp_show_frame(rgba.data());
}

void SetPageTitle(const std::string& text) { pp_set_title(text.c_str()); }
void OpenPageQuestion(const std::string& text) { pp_open_question(text.c_str()); }
void ShowPageError(const std::string& text) { pp_show_error(text.c_str()); }
void SendPageEvent(std::string_view json) {
  pp_send_event(json.data(), static_cast<int>(json.size()));
}
void SendPageText(std::string_view json) {
  pp_send_text(json.data(), static_cast<int>(json.size()));
}
void ReportGameStarted() { pp_game_started(); }
void ReportGameEnded(int status) { pp_game_ended(status); }

}  // namespace pp
