#include "editor/step_list_commands.h"

#include "editor/script_step.h"
#include "storage/list_selection.h"
#include "storage/list_table.h"
#include "support/text_field.h"

namespace tarnwick {

void StepListCommands::deleteStep() {
    const int row = s_.selection.selectedRow();
    if (row >= 0)
        s_.selection.removeRow(row);
    saveSteps();
}

void StepListCommands::clearSteps() {
    s_.steps.removeAllRows();
    saveSteps();
}

void StepListCommands::moveStepUp() {
    const int row = s_.selection.selectedRow();
    if (row > 0)
        exchangeRows(row, row - 1);
}

void StepListCommands::moveStepDown() {
    const int row = s_.selection.selectedRow();
    if (row >= 0 && row + 1 < s_.steps.rowCount())
        exchangeRows(row, row + 1);
}

void StepListCommands::exchangeRows(int a, int b) {
    const ScriptStep first = readStep(s_.steps, a);
    writeStep(s_.steps, a, readStep(s_.steps, b));
    writeStep(s_.steps, b, first);
}

void StepListCommands::saveSteps() {
    saveStepFile(s_.steps, s_.paths, s_.name.text(), s_.files);
}

} // namespace tarnwick
