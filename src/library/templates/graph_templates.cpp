#include "library/templates/category_templates.h"

QList<AlgorithmTemplate> graphTemplates() {
    return {};
}
