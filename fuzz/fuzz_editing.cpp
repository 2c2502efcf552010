// An editing run: the bytes choose handler calls and their arguments on one workbench, as the
// window would deliver them, and the invariants are checked after every call.
#include "editing_ops.h"
#include "fuzz_support.h"

#include "app/board_keys.h"
#include "app/dispatch.h"
#include "bench/operations.h"
#include "edit/view_options.h"
#include "lessons/step_arrows.h"
#include "model/circuit_file.h"
#include "model/model_texts.h"
#include "model/text_lines.h"
#include "support/file_desk.h"
#include "support/started_bench.h"
#include "view/current_flow.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <vector>

using namespace voltaro;
using namespace voltaro::fuzz;

namespace {

const std::string kFiles[] = {"/pupil/a.cir", "/pupil/b.cir", "/pupil/missing.cir"};

MenuId popupOf(MenuId id) {
    while (std::optional<MenuId> parent = menuDesign(id).parent)
        id = *parent;
    return id;
}

bool isUsable(const Workbench& bench, WidgetId id) {
    for (std::optional<WidgetId> at = id; at; at = widgetDesign(*at).parent)
        if (!bench.widget(*at).visible || !bench.widget(*at).enabled)
            return false;
    return true;
}

class EditingRun {
public:
    EditingRun(const std::uint8_t* data, std::size_t size) : m_in(data, size) {
        m_desk.bench.canvas = &m_canvas;
        m_desk.bench.arrowCanvas = &m_arrowCanvas;
    }

    void run() {
        checkInvariants(m_desk.bench);
        while (!m_in.atEnd()) {
            const auto op = static_cast<Op>(m_in.byte() % static_cast<int>(Op::Count));
            if (m_trace)
                std::fprintf(stderr, "step %d\n", static_cast<int>(op));
            const std::map<std::string, std::string> filesBefore = m_desk.platform.files;
            step(op);
            afterHandler();
            checkInvariants(m_desk.bench);
            if (op != Op::File)
                checkSavedFilesLoad(filesBefore);
        }
    }

private:
    ByteReader m_in;
    test::StartedBench m_desk;
    BoundedCanvas m_canvas;
    NullCanvas m_arrowCanvas;
    std::optional<MenuId> m_openPopup;
    std::optional<MarkerRef> m_captured;
    // The files whose every byte the program wrote: saved as a new file, then perhaps added to.
    std::set<std::string> m_ownFiles;
    std::vector<Point> m_dots;
    // VOLTARO_FUZZ_TRACE=1 prints every call, to read a finding.
    bool m_trace = std::getenv("VOLTARO_FUZZ_TRACE") != nullptr;

    void trace(const char* call, int a, int b = 0, int c = 0) const {
        if (m_trace)
            std::fprintf(stderr, "  %s %d %d %d\n", call, a, b, c);
    }

    Workbench& bench() { return m_desk.bench; }

    // Every file the program saved loads again, each of its circuits read without a message.
    void checkSavedFilesLoad(const std::map<std::string, std::string>& before) {
        for (const auto& [path, bytes] : m_desk.platform.files) {
            const auto old = before.find(path);
            if (old != before.end() && old->second == bytes)
                continue;
            const bool appended = old != before.end() && bytes.rfind(old->second, 0) == 0;
            if (!appended)
                m_ownFiles.insert(path);
            if (m_ownFiles.count(path))
                checkLoads(bytes);
        }
    }

    static void checkLoads(const std::string& bytes) {
        test::FileDesk desk;
        NullCanvas canvas;
        desk.bench.canvas = &canvas;
        desk.platform.files["/pupil/saved.cir"] = bytes;
        desk.loadAndAccept("/pupil/saved.cir");
        for (int c = 2; c <= desk.bench.circuits.count && desk.platform.errors.empty(); ++c) {
            desk.bench.circuits.current = c;
            cirbt(desk.bench);
        }
        // Beyond 100 circuits a warning says that the rest were not loaded: no fault of the file.
        const auto& warnings = desk.platform.warnings;
        const std::string notProper = Text(kNotProperFileMessage).english();
        if (std::count(warnings.begin(), warnings.end(), notProper) > 0)
            fail("a file the program saved is not a proper file");
        if (!desk.platform.errors.empty())
            fail("a file the program saved does not load: " + desk.platform.errors.front());
    }

    int coordinate() {
        switch (static_cast<Reach>(m_in.byte() % 3)) {
        case Reach::Small:
            return static_cast<std::int8_t>(m_in.byte());
        case Reach::Board:
            return m_in.u16() % 1200 - 200;
        default:
            return m_in.i32();
        }
    }

    // What the window does after every handler: it opens the popup asked for and forgets the
    // other requests; the platform's records are dropped so that a long run stays small.
    void afterHandler() {
        Workbench& b = bench();
        // A frame of the current's dots, as the window's animation moves and draws them.
        advanceCurrentDots(b, 1.0 / 30.0);
        dotCentres(b.flow, kBoardWidth, kBoardHeight, m_dots);
        if (b.ui.popup)
            m_openPopup = b.ui.popup->menu;
        b.ui.popup.reset();
        b.ui.focus.reset();
        b.ui.closeRequested = false;
        test::ScriptedPlatform& p = m_desk.platform;
        p.confirmations.clear();
        p.warnings.clear();
        p.errors.clear();
        p.abouts.clear();
        p.openDialogs.clear();
        p.saveDialogs.clear();
        p.nameDialogs.clear();
        p.clipboard.clear();
        p.printedPages.clear();
        p.pages.clear();
    }

    void step(Op op) {
        // A popup stays open only until the next step chooses one of its entries or does
        // anything else; the release of the press that opened it goes to the popup.
        const std::optional<MenuId> popup = m_openPopup;
        if (op == Op::MarkerUp && popup)
            return releaseIntoPopup();
        m_openPopup.reset();
        switch (op) {
        case Op::Menu:
            return chooseMenu(popup);
        case Op::Widget: {
            const auto id = static_cast<WidgetId>(m_in.byte() % kWidgetCount);
            const int event = m_in.byte() % 3;
            trace(widgetName(id), event);
            return widgetEvent(bench(), id, static_cast<WidgetEvent>(event));
        }
        case Op::Type:
            return type();
        case Op::Check:
            return check();
        case Op::MarkerDown:
            return markerDown();
        case Op::MarkerMove:
            return markerMove();
        case Op::MarkerUp:
            return markerUp();
        case Op::Board:
            return board();
        case Op::Arrows:
            return arrows();
        case Op::Answers:
            return answers();
        case Op::File:
            return file();
        case Op::Key:
            return key();
        case Op::Count:
            return;
        }
    }

    void chooseMenu(std::optional<MenuId> popup) {
        const auto id = static_cast<MenuId>(m_in.u16() % kMenuCount);
        const MenuId root = popupOf(id);
        if (menuDesign(root).isPopup && root != popup)
            return;
        trace(menuName(id), 0);
        triggerMenu(bench(), id);
    }

    // Text typed into an edit, or lines into a memo.
    void type() {
        const std::vector<WidgetId>& edits = typedWidgets();
        const WidgetId id = edits[m_in.byte() % edits.size()];
        const std::size_t choice = m_in.byte();
        const std::string text =
            choice < hostileTexts().size() ? hostileTexts()[choice] : m_in.text(64);
        Widget& w = bench().widget(id);
        if (!isUsable(bench(), id) || w.readOnly)
            return;
        if (m_trace)
            std::fprintf(stderr, "  type %s \"%s\"\n", widgetName(id), text.c_str());
        if (widgetDesign(id).kind == WidgetKind::Memo) {
            const LineViews lines = splitLines(text);
            w.lines = std::vector<std::string>(lines.begin(), lines.end());
        } else {
            w.text = text;
        }
    }

    void check() {
        const std::vector<WidgetId>& boxes = checkedWidgets();
        const WidgetId id = boxes[m_in.byte() % boxes.size()];
        if (!isUsable(bench(), id))
            return;
        Widget& w = bench().widget(id);
        w.checked = widgetDesign(id).kind == WidgetKind::RadioButton || !w.checked;
        widgetEvent(bench(), id, WidgetEvent::Click);
    }

    std::optional<MarkerRef> shownMarker() {
        std::vector<MarkerRef> shown;
        for (const MarkerRef& ref : markerStackBottomToTop())
            if (bench().model.markers.at(ref).visible)
                shown.push_back(ref);
        const int choice = m_in.u16();
        if (shown.empty())
            return std::nullopt;
        return shown[static_cast<std::size_t>(choice) % shown.size()];
    }

    void markerDown() {
        const std::optional<MarkerRef> ref = shownMarker();
        const int x = coordinate();
        const int y = coordinate();
        if (!ref)
            return;
        m_captured = ref;
        trace("down", ref->index, x, y);
        markerMouseDown(bench(), *ref, x, y);
    }

    void markerMove() {
        const std::optional<MarkerRef> ref = m_captured ? m_captured : shownMarker();
        const int x = coordinate();
        const int y = coordinate();
        if (!ref)
            return;
        trace("move", ref->index, x, y);
        markerMouseMove(bench(), *ref, x, y);
    }

    void releaseIntoPopup() {
        coordinate();
        coordinate();
        m_captured.reset();
    }

    void markerUp() {
        const int x = coordinate();
        const int y = coordinate();
        if (!m_captured)
            return;
        const MarkerRef ref = *m_captured;
        m_captured.reset();
        trace("up", ref.index, x, y);
        markerMouseUp(bench(), ref, x, y);
    }

    void board() {
        const int event = m_in.byte() % 3;
        const int x = coordinate();
        const int y = coordinate();
        trace("board", event, x, y);
        if (event == 0)
            circuitMouseDown(bench(), x, y);
        else if (event == 1)
            circuitMouseMove(bench(), x, y);
        else
            circuitMouseUp(bench(), x, y);
    }

    void arrows() {
        const int x = m_in.byte();
        const bool click = m_in.byte() & 1;
        if (!isUsable(bench(), WidgetId::cirplayim))
            return;
        pictureMouseMove(bench(), WidgetId::cirplayim, x, 10);
        if (click)
            widgetEvent(bench(), WidgetId::cirplayim, WidgetEvent::Click);
    }

    // A key on the board; Escape also closes a popup the step before opened.
    void key() {
        constexpr int kBoardKeys = static_cast<int>(BoardKey::Down) + 1;
        const auto key = static_cast<BoardKey>(m_in.byte() % kBoardKeys);
        const bool shift = m_in.byte() & 1;
        trace("key", static_cast<int>(key), shift);
        boardKeyPress(bench(), key, shift);
    }

    void answers() {
        test::ScriptedPlatform& p = m_desk.platform;
        const int flags = m_in.byte();
        if (flags & 1)
            p.confirmAnswers.push_back((flags & 2) != 0);
        if (flags & 4)
            p.openAnswers.push_back(kFiles[m_in.byte() % 3]);
        if (flags & 8)
            p.saveAnswers.push_back(kFiles[m_in.byte() % 3]);
        if (flags & 16)
            p.nameAnswers.push_back(m_in.text(16));
        if (flags & 32) {
            const int width = flags & 64 ? m_in.i32() : m_in.u16();
            p.printerAnswers.push_back(PrintableArea{width, flags & 128 ? m_in.i32() : m_in.u16()});
        }
    }

    void file() {
        const std::string& path = kFiles[m_in.byte() % 2];
        m_desk.platform.files[path] = m_in.text(4096);
        m_ownFiles.erase(path);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EditingRun(data, size).run();
    return 0;
}
