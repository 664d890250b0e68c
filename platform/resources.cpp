#include "resources.h"

#include <map>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPainter>

HICON LoadIcon(UINT nIDResource) {
    // Never freed: icons are shared by every window until the process ends.
    static auto* icons = new std::map<UINT, QIcon>;
    if (const auto it = icons->find(nIDResource); it != icons->end()) return &it->second;
    const QDir dir(QStringLiteral(":/icons/%1").arg(nIDResource));
    const QStringList images = dir.entryList(QDir::Files);
    if (images.isEmpty()) return nullptr;
    QIcon icon;
    for (const QString& image : images) icon.addFile(dir.filePath(image));
    return &icons->emplace(nIDResource, icon).first->second;
}

CString LoadResourceString(UINT nID) {
    QFile file(QStringLiteral(":/strings/%1").arg(nID));
    if (!file.open(QIODevice::ReadOnly)) return {};
    // Translated like the texts in the code; the context names the table.
    const QByteArray text = file.readAll().trimmed();
    return QCoreApplication::translate("StringTable", text.constData());
}

void DrawIcon(QPainter& painter, int x, int y, HICON hIcon) {
    if (hIcon != nullptr)
        hIcon->paint(&painter, QRect(x, y, STANDARD_ICON_SIZE, STANDARD_ICON_SIZE));
}
