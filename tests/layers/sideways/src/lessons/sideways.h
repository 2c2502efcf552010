// A sideways include: lessons and editing stand side by side on the workbench.
#include "edit/file_panel.h"
