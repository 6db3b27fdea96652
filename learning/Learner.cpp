#include "learning/Learner.h"

Learner learner;
