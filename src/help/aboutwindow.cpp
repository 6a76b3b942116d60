#include "aboutwindow.h"
