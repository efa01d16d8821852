#include "model/Stueckliste.h"
