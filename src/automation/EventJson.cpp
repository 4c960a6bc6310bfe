#include "automation/EventJson.h"

#include "core/Json.h"
#include "state/StateFields.h"

namespace pp {
namespace {

struct Writer {
  std::string operator()(const MessageEvent& e) const {
    return JsonObject("message")
        .Add("kind", e.kind)
        .Add("colour", e.colourName)
        .Add("text", e.text)
        .str();
  }
  std::string operator()(const ClickWaitEvent&) const { return JsonObject("wait").str(); }
  std::string operator()(const ChoicesEvent& e) const {
    return JsonObject("choices").AddRaw("labels", JsonList(e.labels)).str();
  }
  std::string operator()(const ChosenEvent& e) const {
    return JsonObject("chosen").Add("button", e.button).Add("label", e.label).str();
  }
  std::string operator()(const PictureEvent& e) const {
    return JsonObject("picture").Add("file", e.file).Add("ok", e.ok).str();
  }
  std::string operator()(const SoundEvent& e) const {
    return JsonObject("sound").Add("channel", e.channel).Add("file", e.file).str();
  }
  std::string operator()(const PanelEvent& e) const {
    return JsonObject("panel").Add("mode", e.mode).AddRaw("rows", JsonList(e.rows)).str();
  }
  std::string operator()(const DetailsEvent& e) const {
    return JsonObject("details").Add("text", e.text).str();
  }
  std::string operator()(const PanelHiddenEvent&) const { return JsonObject("panel-hidden").str(); }
  std::string operator()(const ConfirmEvent& e) const {
    return JsonObject("confirm").Add("text", e.question).str();
  }
  std::string operator()(const CaptionEvent& e) const {
    return JsonObject("caption").Add("text", e.text).str();
  }
  std::string operator()(const ErrorEvent& e) const {
    return JsonObject("error").Add("text", e.text).str();
  }
  std::string operator()(const StateEvent& e) const { return StateJson(*e.state); }
};

}  // namespace

std::string EventJson(const GameEvent& event) { return std::visit(Writer{}, event); }

}  // namespace pp
