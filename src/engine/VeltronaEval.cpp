#include "VeltronaEval.h"
