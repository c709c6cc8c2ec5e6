#pragma once
// Scales for tests: the built-in one under another name and month, and
// written into a folder as the program would find it.
#include "engine/pay_scale.h"
#include "scale/scale_format.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace haberes::test {

inline PayScale datedScale(const char* name, int year, int month)
{
    PayScale s = builtinScale();
    s.nombre = name;
    s.vigenciaAnio = year;
    s.vigenciaMes = month;
    return s;
}

// The scale's file at folder/file (the folder made); its path.
inline QString writeScaleFile(const QString& folder, const QString& file, const PayScale& scale)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(file);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(QByteArray::fromStdString(writeScale(scale)));
    return path;
}

} // namespace haberes::test
