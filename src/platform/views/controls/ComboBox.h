#pragma once

#include "platform/views/TextField.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class ComboBoxDataSource;
class ComboBoxDelegate;
class Notification;

// A text field with a list of items to choose from. The arrow button at its end opens the list
// below the field; a click on an item, or Return on the highlighted one, chooses it: the field
// shows the item, and sends its action. Escape or a click elsewhere closes the list, choosing
// nothing. While the list is closed, the Up and Down keys choose the item before or after the
// selected one. When the combo box completes, typing at the end of the text completes it with
// the first item that starts with what was typed (ignoring case), the added part selected so
// that typing on replaces it.
//
// The items are the combo box's own, or, when it uses a data source, the data source's, asked
// each time they are needed. A delegate that is a ComboBoxDelegate hears of the list opening
// and closing and of the selection; otherwise the delegate is a text field's.
class ComboBox : public TextField {
public:
    explicit ComboBox(Rect frame = {});
    ~ComboBox() override;

    bool usesDataSource() const { return usesDataSource_; }
    void setUsesDataSource(bool uses) { usesDataSource_ = uses; }
    std::shared_ptr<ComboBoxDataSource> dataSource() const { return dataSource_.lock(); }
    // Held weakly, as the delegate is.
    void setDataSource(const std::shared_ptr<ComboBoxDataSource>& source) { dataSource_ = source; }

    // The combo box's own items.
    void addItemWithObjectValue(const Ref<Object>& object);
    void removeAllItems();

    // The items shown: the own ones, or the data source's.
    std::int64_t numberOfItems() const;
    // None for an index out of range.
    Ref<Object> itemObjectValueAtIndex(std::int64_t index) const;
    // -1 when no item is selected.
    std::int64_t indexOfSelectedItem() const { return selected_; }
    // Selects the item and shows it; an index out of range selects none and leaves the text.
    void selectItemAtIndex(std::int64_t index);

    bool completes() const { return completes_; }
    void setCompletes(bool completes) { completes_ = completes; }
    // How many items the open list shows before it scrolls.
    std::int64_t numberOfVisibleItems() const { return visibleItems_; }
    void setNumberOfVisibleItems(std::int64_t count) { visibleItems_ = count > 0 ? count : 1; }

    // Internal to the platform: the list that opens below the field.
    struct List;

protected:
    bool performEditingCommand(std::string_view command) override;
    void userTypedText() override;

private:
    // The combo box as the data source is asked about it.
    Ref<ComboBox> asAsked() const;
    // The text the item shows.
    Ref<String> itemText(std::int64_t index) const;
    void notify(void (ComboBoxDelegate::*method)(const Ref<Notification>&), const char* name);
    void togglePopUp();
    // The user chose the item in the list or with the keys.
    void choose(std::int64_t index);

    std::unique_ptr<List> list_;
    std::vector<Ref<Object>> items_;
    std::weak_ptr<ComboBoxDataSource> dataSource_;
    std::int64_t selected_ = -1;
    std::int64_t visibleItems_ = 5;
    bool usesDataSource_ = false;
    bool completes_ = false;
};

} // namespace platform
