#include "lessons/lesson_bindings.h"

#include "lessons/builtin_circuits.h"
#include "lessons/lessons.h"
#include "lessons/step_arrows.h"
#include "lessons/worksheets.h"

namespace voltaro {

// Every lesson and worksheet of the built-in data is bound to its menu entry.
const std::vector<MenuBinding>& lessonMenuBindings() {
    static const std::vector<MenuBinding> bindings = [] {
        std::vector<MenuBinding> b;
        for (MenuId entry : builtinEntries())
            b.push_back({entry, lessonFor(entry) ? openLesson : openWorksheet});
        return b;
    }();
    return bindings;
}

const std::vector<WidgetBinding>& lessonWidgetBindings() {
    static const std::vector<WidgetBinding> bindings = {
        {WidgetId::cirplayim, WidgetEvent::Click, cirplayimClick},
    };
    return bindings;
}

const std::vector<PictureMoveBinding>& lessonPictureBindings() {
    static const std::vector<PictureMoveBinding> bindings = {
        {WidgetId::cirplayim, cirplayimMouseMove},
    };
    return bindings;
}

} // namespace voltaro
