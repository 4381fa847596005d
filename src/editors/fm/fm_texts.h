#pragma once

// The FM window's texts are the core's, shared with the browser page.
#include "rules/window_texts.h"
