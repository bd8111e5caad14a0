#pragma once

#include "base/rgba.h"

#include <QColor>

QColor toQColor(const Rgba& color);
