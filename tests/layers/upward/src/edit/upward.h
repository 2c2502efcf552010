// An upward include: the handlers stand below the dispatch that joins them.
#include "app/dispatch.h"
