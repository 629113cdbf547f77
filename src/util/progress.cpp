#include "util/progress.h"
