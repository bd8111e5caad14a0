#include "library/templates/category_templates.h"

QList<AlgorithmTemplate> stringTemplates() {
    return {};
}
