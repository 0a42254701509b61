#include "runtime/services/CUI_QLPreviewPanelDelegate.h"

#include "ServicesTesting.h"

#include "platform/testing/ShownPreview.h"

using namespace shelltest;
using platform::testing::PreviewKey;

namespace {

std::vector<fs::path>& items() {
    static std::vector<fs::path> files;
    return files;
}

void previewItems(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
                  const Ref<platform::Object>& object) {
    dialogCallback(event, tag, wndTag, object);
    if (event == PreviewEvent::NumberOfItems)
        DialogEventSetLongVal(static_cast<std::int64_t>(items().size()));
    else if (const auto& item = items()[static_cast<std::size_t>(tag)]; !item.empty())
        DialogEventSetUrlObj(servicestest::urlOf(item));
}

TEST_F(ShellTest, ThePreviewShowsTheCallbacksItemsAndTheArrowKeysMoveAmongThem) {
    servicestest::ScratchDirectory files;
    servicestest::writeBitmap(files.path() / "card.bmp", 5);
    items() = {files.path() / "card.bmp", files.write("rules.txt", "Pondaro rules"),
               files.write("notes.txt", "Nine cards each"), ""};
    const auto panel = std::make_shared<platform::PreviewPanel>();
    const auto source = std::make_shared<CUI_QLPreviewPanelDelegate>();
    source->beginPreviewPanelControl(panel);
    std::vector<std::string> shown;
    const auto look = [&] {
        const auto preview = platform::testing::shownPreview(*panel);
        shown.push_back(!preview ? "closed"
                                 : preview->title + " " + std::to_string(preview->pictureWidth) +
                                       " " + preview->text);
    };

    panel->makeKeyAndOrderFront();
    panel->reloadData();
    look();
    DialogCallbackSet(previewItems);
    panel->reloadData();
    look();
    for (const PreviewKey key : {PreviewKey::Right, PreviewKey::Down, PreviewKey::Right,
                                 PreviewKey::Right, PreviewKey::Left, PreviewKey::Escape}) {
        platform::testing::pressKeyInPreview(*panel, key);
        look();
    }
    source->endPreviewPanelControl(panel);

    // An item the callback gives no URL shows no preview, and the last item stays at the end.
    EXPECT_EQ(shown, (std::vector<std::string>{"No items 0 ", "card.bmp (1 of 4) 5 ",
                                               "rules.txt (2 of 4) 0 Pondaro rules",
                                               "notes.txt (3 of 4) 0 Nine cards each",
                                               "No preview 0 ", "No preview 0 ",
                                               "notes.txt (3 of 4) 0 Nine cards each", "closed"}));
    EXPECT_EQ(heardText().substr(0, 32), "dialog 4700 0/0\ndialog 4701 0/0\n");
    EXPECT_EQ(heard()[0].object, panel);
    EXPECT_EQ(panel->dataSource(), nullptr);
}

} // namespace
