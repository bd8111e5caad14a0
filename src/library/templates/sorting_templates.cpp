#include "library/templates/category_templates.h"

QList<AlgorithmTemplate> sortingTemplates() {
    return {};
}
