#pragma once
#include "ui/kit.h"
