#pragma once

#include "platform/views/Control.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// How a predicate editor joins its rows, with the framework's values.
enum class CompoundPredicateType : std::int64_t { Not = 0, And = 1, Or = 2 };

// Rows of comparisons the user builds a filter from: in each, a left expression (one of the
// editor's key paths), an operator and a value typed as text, with buttons to remove the row and
// to add one after it. The editor writes its rows as a predicate format string, joined by its
// compound type. Every change by the user sends the action; the program's send nothing.
class PredicateEditor : public Control {
public:
    explicit PredicateEditor(Rect frame = {});
    ~PredicateEditor() override;

    // The key paths a row may compare; rows made before keep their choice where it remains.
    const std::vector<Ref<String>>& leftKeyPaths() const { return keyPaths_; }
    void setLeftKeyPaths(std::vector<Ref<String>> keyPaths);
    // And or Or; Not joins the rows with Or and negates the whole.
    CompoundPredicateType compoundType() const { return compound_; }
    void setCompoundType(CompoundPredicateType type) { compound_ = type; }

    std::int64_t numberOfRows() const;
    // A row comparing the first key path for equality with an empty value, at the index (the
    // end when out of range).
    void insertRowAtIndex(std::int64_t index);
    void removeRowAtIndex(std::int64_t index);
    // The operators, by their format-string spelling ("==", "CONTAINS", ...).
    static const std::vector<const char*>& operatorNames();
    // The parts of a row; out of range or unknown names leave the row as it is.
    void setRow(std::int64_t index, const String& keyPath, const char* operatorName,
                const Ref<String>& value);

    // The rows as a predicate format string, as in `name == "Ann" AND age > 30`; empty without
    // rows. A value that reads whole as a number stands bare; any other is quoted, with its
    // quotes and backslashes escaped, so that no typed text can change the predicate's shape.
    Ref<String> predicateFormat() const;

    double doubleValue() const override { return static_cast<double>(numberOfRows()); }
    void setDoubleValue(double) override {}
    Ref<String> stringValue() const override { return predicateFormat(); }
    void setEnabled(bool enabled) override;

    // Internal to the platform: the toolkit side of the editor.
    struct Toolkit;

private:
    void userChanged();

    std::unique_ptr<Toolkit> toolkit_;
    std::vector<Ref<String>> keyPaths_;
    CompoundPredicateType compound_ = CompoundPredicateType::And;
};

} // namespace platform
