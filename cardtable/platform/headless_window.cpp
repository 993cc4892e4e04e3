// The headless window: answers message boxes from a queue and reports what a user would see.
#include "platform/headless_window.hpp"

#include "platform/help_launcher.hpp"

namespace ct {

const char* answerName(MsgBoxAnswer answer)
{
    switch (answer) {
    case MsgBoxAnswer::ok:
        return "ok";
    case MsgBoxAnswer::cancel:
        return "cancel";
    case MsgBoxAnswer::yes:
        return "yes";
    case MsgBoxAnswer::no:
        return "no";
    }
    return "ok";
}

HeadlessWindow::HeadlessWindow(const WindowGeometry& geometry, EventSink sink)
    : WindowBase(geometry), sink_(std::move(sink))
{
}

void HeadlessWindow::emit(const nlohmann::json& event) const
{
    if (sink_)
        sink_(event);
}

MsgBoxAnswer HeadlessWindow::messageBox(std::string_view text, std::string_view caption, MsgBoxButtons buttons,
                                        MsgBoxIcon icon)
{
    MsgBoxAnswer answer = buttons == MsgBoxButtons::yesNo ? MsgBoxAnswer::yes : MsgBoxAnswer::ok;
    if (chooser_) {
        answer = chooser_(buttons);
    } else if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    // The answer must be one the box can give.
    if (buttons == MsgBoxButtons::ok)
        answer = MsgBoxAnswer::ok;
    else if (answer != MsgBoxAnswer::no)
        answer = MsgBoxAnswer::yes;

    const char* iconName = icon == MsgBoxIcon::information ? "information"
                           : icon == MsgBoxIcon::question  ? "question"
                                                           : "none";
    nlohmann::json event = {{"event", "msgbox"},
                            {"text", std::string(text)},
                            {"caption", std::string(caption)},
                            {"buttons", buttons == MsgBoxButtons::ok ? "ok" : "yesno"},
                            {"icon", iconName},
                            {"answer", answerName(answer)}};
    emit(event);
    return answer;
}

void HeadlessWindow::pause(int milliseconds)
{
    updateNow();
    emit({{"event", "pause"}, {"ms", milliseconds}});
}

void HeadlessWindow::openHelp(std::string_view link)
{
    // Nothing is opened here, but a page the real window could not find is worth telling.
    if (findHelpPage(link).empty())
        emit({{"event", "warning"}, {"message", "rules page not found for " + std::string(link)}});
    emit({{"event", "help"}, {"link", std::string(link)}});
}

void HeadlessWindow::runModal(Modal& modal)
{
    if (modalDriver_)
        modalDriver_(modal);
    if (!modal.done())
        modal.cancel();
}

void HeadlessWindow::titleChanged()
{
    emit({{"event", "title"}, {"text", title()}});
}

} // namespace ct
