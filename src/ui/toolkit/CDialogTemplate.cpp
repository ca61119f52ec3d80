#include "ui/toolkit/CDialogTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumicord {
namespace {

std::optional<ControlKind> KindFromName(const QString& name) {
    static const std::pair<const char*, ControlKind> kKinds[] = {
        {"button", ControlKind::Button}, {"static", ControlKind::Static},
        {"line", ControlKind::Line},     {"edit", ControlKind::Edit},
        {"combo", ControlKind::Combo},   {"picture", ControlKind::Picture},
        {"custom", ControlKind::Custom},
    };
    for (const auto& [text, kind] : kKinds) {
        if (name == QLatin1String(text))
            return kind;
    }
    return std::nullopt;
}

std::optional<QRect> RectFrom(const QJsonValue& value) {
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return std::nullopt;
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

} // namespace

const DialogControl* CDialogTemplate::Find(int controlId) const {
    for (const auto& control : controls) {
        if (control.id == controlId)
            return &control;
    }
    return nullptr;
}

std::optional<CDialogTemplate> ParseDialogTemplate(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const QJsonArray size = root.value(QLatin1String("size")).toArray();
    if (size.size() != 2)
        return std::nullopt;
    CDialogTemplate result;
    result.id = root.value(QLatin1String("id")).toInt();
    result.size = QSize(size[0].toInt(), size[1].toInt());
    result.caption = root.value(QLatin1String("caption")).toString();
    result.face = root.value(QLatin1String("font")).toString();
    result.style = root.value(QLatin1String("style")).toString(QStringLiteral("popup"));
    for (const QJsonValue& item : root.value(QLatin1String("controls")).toArray()) {
        const QJsonObject object = item.toObject();
        const auto kind = KindFromName(object.value(QLatin1String("kind")).toString());
        const auto rect = RectFrom(object.value(QLatin1String("rect")));
        if (!kind || !rect)
            return std::nullopt;
        DialogControl control;
        control.id = object.value(QLatin1String("id")).toInt();
        control.kind = *kind;
        control.rect = *rect;
        control.text = object.value(QLatin1String("text")).toString();
        control.visible = object.value(QLatin1String("visible")).toBool(true);
        result.controls.push_back(std::move(control));
    }
    return result;
}

std::optional<CDialogTemplate> LoadDialogTemplate(int templateId) {
    QFile file(QStringLiteral(":/templates/%1.json").arg(templateId));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseDialogTemplate(file.readAll());
}

} // namespace lumicord
