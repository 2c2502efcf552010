#include "lessons/worksheets.h"

#include "lessons/builtin_circuits.h"
#include "lessons/intro_panel.h"

namespace voltaro {

namespace {

std::vector<std::vector<std::string>> chunksOf(const Worksheet& sheet) {
    std::vector<std::vector<std::string>> circuits;
    for (const std::vector<const char*>& chunks : sheet.circuits)
        circuits.emplace_back(chunks.begin(), chunks.end());
    return circuits;
}

} // namespace

void openWorksheet(Workbench& bench, MenuId entry) {
    const Worksheet* sheet = worksheetFor(entry);
    if (!sheet)
        return;
    putSetInList(bench, chunksOf(*sheet), lessonText(sheet->setName));
    openIntroPanel(bench, kWorksheetCaption, sheet->introLines);
}

} // namespace voltaro
