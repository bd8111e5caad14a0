#pragma once

#include "library/algorithm_templates.h"

// One constant list per category, each in its own file.
QList<AlgorithmTemplate> sortingTemplates();
QList<AlgorithmTemplate> searchingTemplates();
QList<AlgorithmTemplate> graphTemplates();
QList<AlgorithmTemplate> dpTemplates();
QList<AlgorithmTemplate> dataStructureTemplates();
QList<AlgorithmTemplate> mathTemplates();
QList<AlgorithmTemplate> stringTemplates();
