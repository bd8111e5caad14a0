#include "ui/splitter_memory.h"

#include "workspace/settings_store.h"

#include <QSplitter>

void rememberSplitterSizes(QSplitter* splitter, SettingsStore& settings, const QString& key) {
    if (settings.contains(key))
        splitter->restoreState(settings.data(key));
    QObject::connect(splitter, &QSplitter::splitterMoved, splitter,
                     [splitter, &settings, key] { settings.setData(key, splitter->saveState()); });
}
