#pragma once

// Internal to the platform: an interface file read into a tree of elements, so that the builder
// can look ahead (the actions a menu names come after it) and so that a file that is not well
// formed builds nothing at all.

#include <QString>

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::detail {

struct InterfaceElement {
    QString tag;
    std::vector<std::pair<QString, QString>> attributes;
    // The text directly inside the element, when it holds more than white space.
    QString text;
    std::vector<InterfaceElement> children;
    qint64 line = 0;

    // The attribute's value, or an empty string.
    QString attribute(QStringView name) const;
    bool hasAttribute(QStringView name) const;
    // The first child with the tag, or none.
    const InterfaceElement* child(QStringView tag) const;
    // The text of the first child with the tag, or an empty string.
    QString childText(QStringView tag) const;
};

struct InterfaceDocument {
    InterfaceElement root;
    // Empty when the text was read; else "line:column: what is wrong".
    QString error;
};

// Reads the XML text, refusing elements nested deeper than maxDepth.
InterfaceDocument readInterfaceDocument(std::string_view xml, int maxDepth);

} // namespace platform::detail
