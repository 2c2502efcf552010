#include "edit/file_panel.h"

#include "bench/bench_texts.h"
#include "bench/operations.h"
#include "bench/platform.h"
#include "bench/workbench.h"
#include "edit/edit_texts.h"
#include "edit/recent_files.h"
#include "model/circuit_file.h"
#include "model/description_writer.h"
#include "model/model_texts.h"
#include "model/text_lines.h"

namespace voltaro {

namespace {

constexpr int kNewFile = 0;
constexpr int kAddToFile = 1;

// A new file replaces the one chosen, so the dialog asks first; adding keeps what it holds.
FileDialogOptions saveDialog(Workbench& bench) {
    const bool replaces = bench.menu(MenuId::SaveCircuit1).tag == kNewFile;
    return {kSaveDialogTitle, kSaveDialogFilter, "cir", dialogFolder(bench), replaces};
}

FileDialogOptions openDialog(Workbench& bench) {
    return {kOpenDialogTitle, kOpenDialogFilter, "", dialogFolder(bench)};
}

void showChooseFilePrompt(Workbench& bench) {
    bench.widget(WidgetId::expmem).lines = {kChooseFilePrompt};
    bench.widget(WidgetId::yngb).visible = false;
}

// A file as text, or nothing after telling the user why it could not be read.
std::optional<std::string> readFileText(Workbench& bench, const std::string& path) {
    Outcome<std::string> read = bench.platform->readFile(path);
    if (!read) {
        bench.platform->error(Text(kFileNotRead).arg(path).arg(read.failure().reason));
        return std::nullopt;
    }
    return decodeFileText(std::move(*read));
}

// Adds only to a circuit file: another file chosen by mistake (notes, a netlist also named
// .cir) would be neither what it was nor a file that loads.
std::optional<Failure> addToCircuitFile(Workbench& bench, const std::string& path,
                                        const std::string& description) {
    Outcome<std::string> read = bench.platform->readFile(path);
    if (!read)
        return read.failure();
    if (!readExplanation(splitLines(decodeFileText(std::move(*read)))).proper)
        return Failure{kNotProperFileMessage};
    return bench.platform->appendFile(path, addedCircuitText(description));
}

void save(Workbench& bench) {
    bench.widget(WidgetId::Savepl).visible = false;
    const std::optional<std::string> path = bench.platform->saveFileName(saveDialog(bench));
    if (!path)
        return;
    noteFolderUsed(bench, folderOf(*path));
    const std::string description =
        describeCircuit(bench.model, bench.widget(WidgetId::Showvaluecb).checked);
    const bool adding = bench.menu(MenuId::SaveCircuit1).tag == kAddToFile;
    const std::optional<Failure> failure =
        adding
            ? addToCircuitFile(bench, *path, description)
            : bench.platform->replaceFile(
                  *path, newFileText(bench.widget(WidgetId::expmem).lines.english(), description));
    if (!failure) {
        noteFileUsed(bench, *path);
        return;
    }
    bench.platform->error(Text(kCircuitNotSaved).arg(*path).arg(failure->reason));
    // The explanation typed for a new file stays on offer, to be saved somewhere else.
    if (!adding) {
        bench.widget(WidgetId::Savepl).visible = true;
        bench.ui.focus = WidgetId::nextbt;
    }
}

void load(Workbench& bench) {
    const std::optional<std::string> path = bench.platform->openFileName(openDialog(bench));
    if (!path)
        return;
    noteFolderUsed(bench, folderOf(*path));
    showFileToLoad(bench, *path);
}

// Shows the panel with the action button focused, as both modes open it.
void openPanel(Workbench& bench, const Phrase& caption, FilePanelMode mode, const Phrase& action) {
    Widget& panel = bench.widget(WidgetId::Savepl);
    panel.caption = caption;
    bench.files.panelMode = mode;
    bench.widget(WidgetId::yngb).visible = false;
    bench.widget(WidgetId::Panel3).visible = false;
    bench.widget(WidgetId::nextbt).caption = action;
    panel.visible = true;
    bench.ui.focus = WidgetId::nextbt;
}

} // namespace

void Newfile1Click(Workbench& bench, MenuId) {
    bench.menu(MenuId::SaveCircuit1).tag = kNewFile;
    Widget& box = bench.widget(WidgetId::expmem);
    box.lines = {kExplanationPrompt};
    box.readOnly = false;
    Widget& options = bench.widget(WidgetId::Showvaluecb);
    options.visible = true;
    options.checked = false;
    openPanel(bench, kSavePanelCaption, FilePanelMode::Save, kSaveButton);
}

void Addtofile1Click(Workbench& bench, MenuId) {
    bench.menu(MenuId::SaveCircuit1).tag = kAddToFile;
    bench.files.panelMode = FilePanelMode::Save;
    save(bench);
}

void LoadCircuit1Click(Workbench& bench, MenuId) {
    Widget& box = bench.widget(WidgetId::expmem);
    box.lines = {kChooseFilePrompt};
    box.readOnly = true;
    bench.widget(WidgetId::Showvaluecb).visible = false;
    openPanel(bench, kLoadPanelCaption, FilePanelMode::Load, kLoadButton);
}

void nextbtClick(Workbench& bench, WidgetId) {
    if (bench.files.panelMode == FilePanelMode::Load)
        load(bench);
    else
        save(bench);
}

bool showFileToLoad(Workbench& bench, const std::string& path) {
    // The file shown before is no longer on offer, even when this one cannot be read.
    bench.widget(WidgetId::yngb).visible = false;
    const std::optional<std::string> text = readFileText(bench, path);
    if (!text) {
        showChooseFilePrompt(bench);
        return false;
    }
    const FileExplanation explanation = readExplanation(splitLines(*text));
    Widget& box = bench.widget(WidgetId::expmem);
    box.lines = shownExplanation(explanation.lines);
    if (!explanation.proper) {
        box.lines = {kChooseFilePrompt};
        bench.platform->warning(kNotProperFileMessage);
        return false;
    }
    bench.files.openedFile = path;
    box.readOnly = true;
    bench.widget(WidgetId::yngb).visible = true;
    return true;
}

bool acceptOpenedFile(Workbench& bench) {
    const std::string path = bench.files.openedFile;
    const std::optional<std::string> text = readFileText(bench, path);
    if (!text)
        return false;
    const LineViews lines = splitLines(*text);
    const FileExplanation explanation = readExplanation(lines);
    if (!explanation.proper) {
        showChooseFilePrompt(bench);
        bench.platform->warning(kNotProperFileMessage);
        return false;
    }
    bench.meter.leadsAwaitCircuit = true; // until the file's circuit 1 is read
    resistrestbt(bench);
    bench.ui.caption = Text(kFileCaption).arg(path);
    const CircuitLoad loaded = loadCircuits(bench.circuits, lines, explanation.dataStart);
    bench.circuits.sourceFile = path;
    bench.circuits.setName = Text::verbatim(fileNameOf(path)); // "Circuits: " and the name
    // A circuit read whole closes the panel; a malformed one leaves it open behind the error.
    const bool readWhole = cirbt(bench);
    if (loaded.truncated)
        bench.platform->warning(tooManyCircuitsMessage());
    if (readWhole)
        noteFileUsed(bench, path);
    return readWhole;
}

void ybtClick(Workbench& bench, WidgetId) {
    acceptOpenedFile(bench);
}

void nbtClick(Workbench& bench, WidgetId id) {
    nbtEnter(bench, id);
    bench.ui.focus = WidgetId::nextbt;
}

void nbtEnter(Workbench& bench, WidgetId) {
    showChooseFilePrompt(bench);
}

void expmemEnter(Workbench& bench, WidgetId) {
    if (bench.files.panelMode == FilePanelMode::Save && !bench.widget(WidgetId::Panel3).visible)
        bench.widget(WidgetId::expmem).lines.clear();
}

void cancelsavebtClick(Workbench& bench, WidgetId) {
    bench.widget(WidgetId::Savepl).visible = false;
    bench.widget(WidgetId::yngb).visible = false;
}

void okdokeybtClick(Workbench& bench, WidgetId) {
    bench.widget(WidgetId::Panel3).visible = false;
    bench.widget(WidgetId::Savepl).visible = false;
    cirbt(bench);
}

const std::vector<MenuBinding>& filePanelMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::Newfile1, Newfile1Click},
        {MenuId::Addtofile1, Addtofile1Click},
        {MenuId::LoadCircuit1, LoadCircuit1Click},
    };
    return bindings;
}

const std::vector<WidgetBinding>& filePanelWidgetBindings() {
    using W = WidgetId;
    using E = WidgetEvent;
    static const std::vector<WidgetBinding> bindings = {
        {W::nextbt, E::Click, nextbtClick},
        {W::ybt, E::Click, ybtClick},
        {W::nbt, E::Click, nbtClick},
        {W::nbt, E::FocusIn, nbtEnter},
        {W::expmem, E::FocusIn, expmemEnter},
        {W::cancelsavebt, E::Click, cancelsavebtClick},
        {W::okdokeybt, E::Click, okdokeybtClick},
    };
    return bindings;
}

} // namespace voltaro
