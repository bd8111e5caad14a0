#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Inputs that once made a parser run away, at the size that showed it. The
// benchmark times them; the replay tests run them through the fuzz targets.

struct HostileInput {
    QString name;
    QByteArray bytes;
};

// Problem pages: "\frac{" openings sharing one brace, sixteen thousand sample
// ids, two tables of one wide cell over many short rows, nested "\sqrt{".
QList<HostileInput> hostilePages();

// A save file of `files` files whose open-tab ids match none of them.
QByteArray workspaceWithUnmatchedTabs(int files);
