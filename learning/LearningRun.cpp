#include "learning/LearningRun.h"

LearningRun currentRun;
