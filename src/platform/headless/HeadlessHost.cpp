#include "platform/headless/HeadlessHost.h"

#include "core/Json.h"
#include "platform/AudioDevice.h"
#include "platform/InputLayout.h"
#include "platform/NullAudioDevice.h"

namespace pp {
namespace {

constexpr std::string_view kWaitEvent = R"({"ev":"wait"})";

}  // namespace

HeadlessHost::HeadlessHost(CommandScript::LineSource in, EventSink out, bool autoClick)
    : out_(std::move(out)),
      autoClick_(autoClick),
      script_(std::move(in), [this](const std::string& text) { ShowError(text); }) {}

HeadlessHost::HeadlessHost(std::istream& in, std::ostream& out, bool autoClick)
    : HeadlessHost(
          LinesOf(in),
          [&out](std::string_view json) {
            out << json << '\n';
            out.flush();
          },
          autoClick) {}

void HeadlessHost::SetCaption(const std::string& text) {
  Trace(JsonObject("caption").Add("text", text).str());
}

bool HeadlessHost::ConfirmYesNo(const std::string& text) {
  Trace(JsonObject("confirm").Add("text", text).str());
  return script_.ReadConfirmation();
}

void HeadlessHost::ShowError(const std::string& text) {
  Trace(JsonObject("error").Add("text", text).str());
}

void HeadlessHost::Trace(std::string_view jsonObject) {
  out_(jsonObject);
  // The wait is answered before any other input.
  if (autoClick_ && jsonObject == kWaitEvent) {
    HostEvent click;
    click.type = HostEvent::Type::MouseDown;
    click.x = kPictureClickX;
    click.y = kPictureClickY;
    script_.PushFront(click);
  }
}

// A silent device that plays by the virtual clock, so the mixer behaves as it does in a window.
std::unique_ptr<AudioDevice> HeadlessHost::OpenAudioDevice(const AudioFormat& format) {
  return std::make_unique<NullAudioDevice>(format, [this] { return NowMs(); });
}

}  // namespace pp
