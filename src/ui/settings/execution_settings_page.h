#pragma once

#include "workspace/settings_values.h"

#include <QList>
#include <QWidget>
#include <utility>

class SettingsStore;
class QComboBox;

// The execution tab: the time and memory limits of one run, the compilers the
// runner expects and how to install them.
class ExecutionSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit ExecutionSettingsPage(SettingsStore& settings, QWidget* parent = nullptr);

private:
    QWidget* buildCompilerTable();
    QComboBox* addPicker(const QString& objectName, const QString& label,
                         const QList<std::pair<QString, int>>& choices,
                         int ExecutionSettings::*field);
    void showLimits();

    SettingsStore& m_settings;
    QComboBox* m_timeout = nullptr;
    QComboBox* m_memory = nullptr;
    QWidget* m_noLimitWarning = nullptr;
};
