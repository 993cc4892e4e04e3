// The Statistics dialog procedure: the counts centred over the table, and "Clear".
#include "shell/statistics_dialog.hpp"

#include "shell/shell.hpp"

#include <algorithm>
#include <string>

namespace ct {

namespace {

int countValue(Shell& shell, const StatisticsCount& count)
{
    // A damaged stored value at or past 2^31 shows as the largest count, never negative.
    const int value = count.variable ? std::max(*count.variable, 0) : countFromStored(shell.settings().read(count.setting));
    return count.shown ? count.shown(value) : value;
}

std::string joinLines(const std::vector<StatisticsCount>& counts, const std::function<std::string(const StatisticsCount&)>& part)
{
    std::string text;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += part(counts[i]);
    }
    return text;
}

int initDialog(Shell& shell, const StatisticsDescription& description, Dialog& dialog)
{
    // Centred over the table (the main window's client area), never off its top-left.
    const Size client = shell.window().clientSize();
    const Rect frame = dialog.frame();
    const int x = std::max((client.width - frame.width()) / 2, 0);
    const int y = std::max((client.height - frame.height()) / 2, 0);
    dialog.moveTo(x, y);
    dialog.setText(description.countsId, statisticsText(shell, description));
    return 1;
}

void clearCounts(Shell& shell, const StatisticsDescription& description, Dialog& dialog)
{
    for (const StatisticsCount& count : description.counts)
        if (count.variable)
            *count.variable = 0;
    for (const StatisticsCount& count : description.counts)
        shell.settings().write(count.setting, 0);
    dialog.setText(description.countsId, statisticsText(shell, description));
    if (description.cleared)
        description.cleared();
}

} // namespace

DialogTemplate statisticsDialogTemplate(const StatisticsDescription& description)
{
    DialogTemplate t;
    t.resource = statisticsDialogResource;
    t.title = "Statistics";
    t.width = description.width;
    t.height = description.height;
    const std::string labels = joinLines(description.counts, [](const StatisticsCount& c) { return c.label; });
    const std::string colons = joinLines(description.counts, [](const StatisticsCount&) { return std::string(":"); });
    const int textHeight = std::max(description.height - 6, 8);
    t.controls.push_back({dlg::idStatic, ControlKind::staticText, labels, 5, 3, 38, textHeight});
    t.controls.push_back({dlg::idStatic, ControlKind::staticText, colons, 43, 3, 5, textHeight});
    t.controls.push_back({description.countsId, ControlKind::staticText, "", 49, 3, 22, textHeight});
    const int buttonHeight = 14;
    t.controls.push_back({description.clearId, ControlKind::button, "Clear", 73, std::max((description.height - buttonHeight) / 2, 0),
                          33, buttonHeight});
    return t;
}

std::string statisticsText(Shell& shell, const StatisticsDescription& description)
{
    return joinLines(description.counts,
                     [&shell](const StatisticsCount& c) { return std::to_string(countValue(shell, c)); });
}

int statisticsDialogProcedure(Shell& shell, const StatisticsDescription& description, Dialog& dialog,
                              unsigned message, std::uintptr_t wParam, std::intptr_t /*lParam*/)
{
    if (message == dlg::initDialog)
        return initDialog(shell, description, dialog);
    if (message != dlg::command)
        return 0;
    const int id = commandId(wParam);
    if (id == dlg::idOk || id == dlg::idCancel) {
        dialog.end(id);
        return 1;
    }
    if (id != 0 && id == description.clearId)
        clearCounts(shell, description, dialog);
    return 0;
}

int runStatisticsDialog(Shell& shell, const StatisticsDescription& description)
{
    Dialog dialog(statisticsDialogTemplate(description),
                  [&shell, &description](Dialog& d, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
                      return statisticsDialogProcedure(shell, description, d, message, wParam, lParam);
                  });
    return shell.window().runDialog(dialog);
}

} // namespace ct
