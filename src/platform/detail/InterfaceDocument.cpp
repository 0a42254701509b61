#include "platform/detail/InterfaceDocument.h"

#include <QXmlStreamReader>

namespace platform::detail {

QString InterfaceElement::attribute(QStringView name) const {
    for (const auto& [key, value] : attributes)
        if (key == name)
            return value;
    return {};
}

bool InterfaceElement::hasAttribute(QStringView name) const {
    for (const auto& attribute : attributes)
        if (attribute.first == name)
            return true;
    return false;
}

const InterfaceElement* InterfaceElement::child(QStringView name) const {
    for (const auto& element : children)
        if (element.tag == name)
            return &element;
    return nullptr;
}

QString InterfaceElement::childText(QStringView name) const {
    const auto* element = child(name);
    return element ? element->text : QString();
}

InterfaceDocument readInterfaceDocument(std::string_view xml, int maxDepth) {
    InterfaceDocument document;
    QXmlStreamReader reader(
        QByteArray::fromRawData(xml.data(), static_cast<qsizetype>(xml.size())));
    // The open elements, outermost first. Only the innermost one gains children, so the
    // pointers to the others stay valid.
    std::vector<InterfaceElement*> open;
    bool rootSeen = false;
    const auto fail = [&](const QString& message) {
        document.error = QStringLiteral("%1:%2: %3")
                             .arg(reader.lineNumber())
                             .arg(reader.columnNumber())
                             .arg(message);
        document.root = {};
        return document;
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (static_cast<int>(open.size()) >= maxDepth)
                return fail(QStringLiteral("elements are nested more than %1 deep").arg(maxDepth));
            // The reader itself refuses a second top-level element.
            InterfaceElement* element =
                open.empty() ? &document.root : &open.back()->children.emplace_back();
            rootSeen = true;
            element->tag = reader.name().toString();
            element->line = reader.lineNumber();
            for (const auto& attribute : reader.attributes())
                element->attributes.emplace_back(attribute.name().toString(),
                                                 attribute.value().toString());
            open.push_back(element);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty() && !reader.isWhitespace())
                open.back()->text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return fail(reader.errorString());
    if (!rootSeen)
        return fail(QStringLiteral("no element at all"));
    return document;
}

} // namespace platform::detail
