// The Statistics dialog: the win tally, one line per count, with a button that clears it.
#pragma once

#include "platform/dialog.hpp"

#include <functional>
#include <string>
#include <vector>

namespace ct {

class Shell;

inline constexpr int statisticsDialogResource = 131;

// One line of the tally.
struct StatisticsCount {
    std::string label;            // "Computer", "Human " (trailing space as shown), "Patience"
    std::string setting;          // "statc", "statu", "cc"
    int* variable = nullptr;      // null: the count is read from and cleared in the store only
    // The number shown for a value (e.g. an internal "no record" shown as the stored 0); null = as is.
    std::function<int(int)> shown{};
};

struct StatisticsDescription {
    int width = 111;              // dialog units
    int height = 30;
    int countsId = 1004;          // the static that shows the counts
    int clearId = 1010;           // the "Clear" button
    std::vector<StatisticsCount> counts;
    // Runs after Clear has set every count to 0 and written it (e.g. to repaint the table).
    std::function<void()> cleared;
};

// The template: title "Statistics", labels, colons, counts and "Clear".
DialogTemplate statisticsDialogTemplate(const StatisticsDescription& description);

// The counts, one per line ("%d\n%d").
std::string statisticsText(Shell& shell, const StatisticsDescription& description);

int statisticsDialogProcedure(Shell& shell, const StatisticsDescription& description, Dialog& dialog,
                              unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

// Runs the dialog modally over the shell's window; returns 1 or 2.
int runStatisticsDialog(Shell& shell, const StatisticsDescription& description);

} // namespace ct
