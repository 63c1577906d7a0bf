// The editor's preset pages: the browser with its table, the save dialog, and the header's
// previous, next, load and save buttons.

#include "code/editor/Gui.h"

#include "code/Plug.h"
#include "code/editor/ContainerTable.h"
#include "code/editor/EditorTags.h"
#include "code/editor/FrameCM.h"
#include "code/editor/controls/OrvTextEd.h"
#include "code/editor/presets/DisplayText.h"
#include "code/editor/presets/SaveAnswer.h"
#include "code/editor/presets/SortHeader.h"
#include "code/editor/presets/Table.h"
#include "platform/SettingsStore.h"

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

namespace
{

constexpr CCoord kAuthorColumnStart = 263;
constexpr CCoord kCategoryColumnStart = 470;
constexpr std::array<CCoord, CTable::kColumns> kColumnWidths{263, 207, 190};
// The store keeps 127 bytes of each text; longer typing would be cut without a word.
constexpr size_t kFieldCharacters = kPresetTextSize - 1;

const CColor kPresetNameFailed(235, 96, 80);
const CColor kSaveMessageColor(255, 164, 38);

std::string textOf(const CControl* control)
{
    const auto* label = dynamic_cast<const CTextLabel*>(control);
    return label ? label->getText() : std::string();
}

} // namespace

CControl* CGui::makeSortHeader(const CRect& size)
{
    std::array<CBitmap*, CSortHeader::kColumns> strips{};
    for (int32 column = 0; column < CSortHeader::kColumns; ++column)
        strips[static_cast<size_t>(column)] = bitmap(kBmpSortByName + column);
    auto* header = new CSortHeader(size, this, kTagSortHeader, strips);
    header->setHasParameter(false);
    return header;
}

void CGui::setUpPresetViews()
{
    // The browser's backdrop catches the clicks beside the list; made after the list area, it
    // would lie on top of it.
    CViewContainer* browser = getContainer(kBrowser);
    if (CControl* backdrop = getControl(kTagBrowserBackground); backdrop && browser)
    {
        backdrop->remember();
        browser->removeView(backdrop, false);
        browser->addView(backdrop, browser->getView(0));
        backdrop->forget();
    }
    if (auto* header = dynamic_cast<CSortHeader*>(getControl(kTagSortHeader)))
        header->setSegmentBoundaries(kAuthorColumnStart, kCategoryColumnStart);
    // The table fills the scrolling list area and scrolls its rows itself.
    CTable* table = presetTable();
    if (const CViewContainer* list = getContainer(kBrowserList); table && list)
    {
        table->setViewSize(CRect(CPoint(0, 0), list->getViewSize().getSize()));
        table->setColumnWidths(kColumnWidths);
    }
    for (const int32 tag : {kTagPresetNameField, kTagAuthor, kTagCategoryField})
        if (auto* field = dynamic_cast<COrvTextEd*>(getControl(tag)))
            field->setMaxLength(kFieldCharacters);
    if (auto* name = dynamic_cast<CTextLabel*>(getControl(kTagPresetNameField)))
        name->setText("---");
    if (auto* message = dynamic_cast<CTextLabel*>(getControl(kTagSaveMessage)))
        message->setFontColor(kSaveMessageColor);
    overwriteConfirmedFor.clear();
}

CTable* CGui::presetTable() const
{
    return dynamic_cast<CTable*>(getControl(kTagPresetTable));
}

bool CGui::handlePresetTag(CControl* control, int32 tag)
{
    const bool pressed = control->getValue() > 0.5f;
    switch (tag)
    {
    case kTagLoadPreset:
    case kTagPresetNameArea:
        if (pressed) openBrowser();
        return true;
    case kTagSavePreset:
        if (pressed) openSaveDialog();
        return true;
    case kTagNextPreset:
    case kTagPreviousPreset:
        if (pressed) stepPresets(tag == kTagNextPreset);
        return true;
    case kTagSaveConfirm:
        if (pressed) savePreset();
        return true;
    case kTagCloseSaveDialog:
    case kTagCloseBrowser:
        if (pressed) showPage(kPageMain);
        return true;
    case kTagSortHeader:
        sortPresetList(control->getValue());
        return true;
    case kTagPresetTable:
        if (const auto* table = dynamic_cast<const CTable*>(control)) presetTableAction(*table);
        return true;
    case kTagPresetScrollBar:
        if (CTable* table = presetTable()) table->setScrollPosition(1.f - control->getValue());
        return true;
    case kTagPresetNameField:
    case kTagAuthor:
    case kTagCategoryField:
    case kTagSaveMessage:
    case kTagBrowserBackground:
        return true; // read when the user saves, or only a backdrop
    default:
        return false;
    }
}

bool CGui::openBrowser()
{
    CViewContainer* browser = getContainer(kBrowser);
    if (!frame || !browser) return false;
    showPage(kPageMain);
    refreshPresetList(true);
    browser->setVisible(true);
    return frame->setModalView(browser);
}

bool CGui::openSaveDialog()
{
    CViewContainer* dialog = getContainer(kSaveDialog);
    if (!frame || !dialog) return false;
    showPage(kPageMain);
    showSaveMessage("");
    if (auto* author = dynamic_cast<CTextLabel*>(getControl(kTagAuthor)))
        author->setText(lastAuthor);
    dialog->setVisible(true);
    return frame->setModalView(dialog);
}

void CGui::closePresetPages()
{
    // A field still being typed in must not keep the keyboard once its dialog is gone.
    if (frame) frame->setFocusView(nullptr);
    for (const int32 id : {kBrowser, kSaveDialog})
        if (CViewContainer* page = getContainer(id)) page->setVisible(false);
    overwriteConfirmedFor.clear();
}

void CGui::refreshPresetList(bool rescan)
{
    if (rescan) plug->rescanPresets();
    const CPresetStore& store = plug->getPresetStore();
    // Column boundaries and widths were set once when the window was built.
    if (CControl* header = getControl(kTagSortHeader))
    {
        header->setValue(indexToValue(store.sortMode()));
        header->setDirty();
    }
    CTable* table = presetTable();
    if (!table) return;
    table->clear();
    if (CControl* scrollBar = getControl(kTagPresetScrollBar))
    {
        scrollBar->setValue(1.f);
        scrollBar->setDirty();
    }
    table->reserveRows(store.size());
    std::string name, author, category;
    for (int32 i = 0; i < store.size(); ++i)
    {
        const PresetEntry* entry = store.at(i);
        table->addRow(displayableText(entry->name, name), displayableText(entry->author, author),
                      displayableText(entry->category, category));
    }
    table->setCurrentRow(store.currentPosition());
}

void CGui::sortPresetList(float value)
{
    plug->sortPresets(valueToIndex(value));
    refreshPresetList(false);
    if (frame) frame->invalid();
}

void CGui::presetTableAction(const CTable& table)
{
    if (table.getLastAction() == CTable::kScrolled)
    {
        if (CControl* scrollBar = getControl(kTagPresetScrollBar))
        {
            scrollBar->setValue(1.f - table.getScrollPosition());
            scrollBar->setDirty();
        }
        return;
    }
    if (table.getLastAction() == CTable::kRowClicked && table.getClickedRow() >= 0)
        loadPresetOfRow(table.getClickedRow());
}

void CGui::loadPresetOfRow(int row)
{
    const PresetEntry* listed = plug->getPresetStore().at(row);
    if (!listed) return;
    const std::string attempted = listed->name;
    showPresetName(plug->loadPresetAt(row), attempted);
}

void CGui::stepPresets(bool forward)
{
    const PresetEntry* loaded = plug->stepPreset(forward);
    const CPresetStore& store = plug->getPresetStore();
    const PresetEntry* attempted = store.at(store.currentPosition());
    showPresetName(loaded, attempted ? attempted->name : "");
}

// The effect's own notifications of the load come first: they clear the name, and every value
// they carry would otherwise count as a change after the load.
void CGui::showPresetName(const PresetEntry* entry, const std::string& attempted)
{
    takePendingValues();
    auto* label = dynamic_cast<CTextLabel*>(getControl(kTagPresetName));
    std::string repaired;
    if (!entry)
    {
        // A file gone or unreadable since the list was made: the user hears why nothing changed.
        if (attempted.empty() || !label) return;
        label->setText(std::string("ERROR loading preset ") +
                       displayableText(attempted.c_str(), repaired));
        label->setFontColor(kPresetNameFailed);
        label->setDirty();
        return;
    }
    if (label)
    {
        label->setText(displayableText(entry->name, repaired));
        label->setDirty();
    }
    markPresetLoaded();
    if (CTable* table = presetTable())
        table->setCurrentRow(plug->getPresetStore().currentPosition());
}

void CGui::savePreset()
{
    // A field still being typed in keeps what was typed.
    if (frame) frame->setFocusView(nullptr);
    const std::string name = textOf(getControl(kTagPresetNameField));
    const std::string author = textOf(getControl(kTagAuthor));
    const std::string category = textOf(getControl(kTagCategoryField));
    lastAuthor = author;
    platform::CSettingsStore().set("A", author);
    if (name.empty())
    {
        showSaveMessage(kEnterNameMessage);
        return;
    }

    const bool overwrite = !overwriteConfirmedFor.empty() && overwriteConfirmedFor == name;
    const SaveAnswer answer = answerToSave(
        plug->saveUserPreset(nullptr, name.c_str(), category.c_str(), author.c_str(), overwrite));
    overwriteConfirmedFor = answer.confirmsOverwrite ? name : std::string();
    showSaveMessage(answer.message);
    if (!answer.saved) return;

    refreshPresetList(true);
    // What was just saved is what the editor now holds: it becomes the current preset.
    CPresetStore& store = plug->getPresetStore();
    const std::string path = CPresetStore::userPresetPath(store.userFolder(), name.c_str());
    for (int32 i = 0; i < store.size(); ++i)
        if (path == store.at(i)->path)
        {
            store.setCurrentPosition(i);
            showPresetName(store.at(i), name);
        }
    showPage(kPageMain);
}

void CGui::showSaveMessage(const char* text)
{
    if (auto* message = dynamic_cast<CTextLabel*>(getControl(kTagSaveMessage)))
    {
        message->setText(text);
        message->setDirty();
    }
}
