#include "platform/headless/HeadlessHost.h"

#include "automation/EventJson.h"
#include "platform/AudioDevice.h"
#include "platform/InputLayout.h"
#include "platform/NullAudioDevice.h"

namespace pp {

HeadlessHost::HeadlessHost(CommandScript::LineSource in, EventSink out, bool autoClick,
                           FrameSink frames)
    : out_(std::move(out)),
      autoClick_(autoClick),
      frames_(std::move(frames)),
      script_(std::move(in), [this](const std::string& text) { ShowError(text); }) {}

HeadlessHost::HeadlessHost(std::istream& in, std::ostream& out, bool autoClick)
    : HeadlessHost(
          LinesOf(in),
          [&out](std::string_view json) {
            out << json << '\n';
            out.flush();
          },
          autoClick) {}

void HeadlessHost::Present(const Surface& frame) {
  if (frames_) frames_(frame);
}

bool HeadlessHost::ConfirmYesNo(const std::string& /*text*/) { return script_.ReadConfirmation(); }

void HeadlessHost::Report(const GameEvent& event) {
  out_(EventJson(event));
  // The wait is answered before any other input.
  if (autoClick_ && std::holds_alternative<ClickWaitEvent>(event)) {
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
