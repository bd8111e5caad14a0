#include "models/item_roles.h"

#include "base/records.h"

QVariant fileRoleData(const FileItem& file, int role, bool selected) {
    switch (role) {
    case Qt::DisplayRole:
        return file.name;
    case IdRole:
        return file.id;
    case IsFolderRole:
        return false;
    case LanguageRole:
        return QVariant::fromValue(file.language);
    case BadgeLabelRole:
        return badgeLabel(file.language);
    case BadgeColorNameRole:
        return badgeColorName(file.language);
    case SelectedRole:
        return selected;
    default:
        return {};
    }
}
