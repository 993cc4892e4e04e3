// The window without a display: the same procedure and canvas, with message boxes answered
// from a queue and everything the user would have seen reported as JSON events.
#pragma once

#include "platform/window_base.hpp"

#include <nlohmann/json.hpp>

#include <deque>
#include <functional>

namespace ct {

// Where headless events go (one JSON object each).
using EventSink = std::function<void(const nlohmann::json&)>;

class HeadlessWindow : public WindowBase {
public:
    HeadlessWindow(const WindowGeometry& geometry, EventSink sink);

    // The answer for the next message box. An unanswered box gets OK, or Yes for a Yes/No box;
    // a queued OK on a Yes/No box counts as Yes, and a queued Yes or No on an OK box as OK.
    void queueAnswer(MsgBoxAnswer answer) { answers_.push_back(answer); }
    std::size_t queuedAnswers() const { return answers_.size(); }
    // Chooses answers instead of the queue when set (random play).
    void setAnswerChooser(std::function<MsgBoxAnswer(MsgBoxButtons)> chooser) { chooser_ = std::move(chooser); }
    // Drives a modal layer (a dialog) from the script; without one a modal is cancelled at once.
    void setModalDriver(std::function<void(Modal&)> driver) { modalDriver_ = std::move(driver); }
    void setSink(EventSink sink) { sink_ = std::move(sink); }

    MsgBoxAnswer messageBox(std::string_view text, std::string_view caption, MsgBoxButtons buttons,
                            MsgBoxIcon icon) override;
    void updateNow() override { paintIfInvalid(); }
    // Paints, then reports the pause instead of sleeping.
    void pause(int milliseconds) override;
    // Reports the link; headless never starts a viewer.
    void openHelp(std::string_view link) override;
    void runModal(Modal& modal) override;

protected:
    void titleChanged() override;

private:
    void emit(const nlohmann::json& event) const;

    EventSink sink_;
    std::deque<MsgBoxAnswer> answers_;
    std::function<MsgBoxAnswer(MsgBoxButtons)> chooser_;
    std::function<void(Modal&)> modalDriver_;
};

// The names used in events: "ok", "yes", "no", "cancel".
const char* answerName(MsgBoxAnswer answer);

} // namespace ct
