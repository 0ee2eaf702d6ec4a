#pragma once

#include <cstdint>

#include "framework/AppleMenuItem.h"
#include "framework/GroupBox.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/QuitMenuItem.h"
#include "framework/Separator.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "framework/Window.h"
#include "main_window/ResultsSplitter.h"
#include "main_window/Window1SplitterLayout.h"

// The program's working window: the matrix fields, Calculate, the results
// list, the notes area and the splitter grip between them.
class Window1 : public Window {
public:
    static constexpr const char* kClassName = "Window1.Window1";

    Window1();

    TextArea& TextArea1() const { return Control<TextArea>("TextArea1"); }
    Label& Label1() const { return Control<Label>("Label1"); }
    PushButton& PushButton1() const { return Control<PushButton>("PushButton1"); }
    GroupBox& GroupBox1() const { return Control<GroupBox>("GroupBox1"); }
    TextField& TextField9() const { return Control<TextField>("TextField9"); }
    TextField& TextField6() const { return Control<TextField>("TextField6"); }
    TextField& TextField3() const { return Control<TextField>("TextField3"); }
    TextField& TextField8() const { return Control<TextField>("TextField8"); }
    TextField& TextField5() const { return Control<TextField>("TextField5"); }
    TextField& TextField2() const { return Control<TextField>("TextField2"); }
    TextField& TextField7() const { return Control<TextField>("TextField7"); }
    TextField& TextField4() const { return Control<TextField>("TextField4"); }
    TextField& TextField1() const { return Control<TextField>("TextField1"); }
    Listbox& Listbox1() const { return Control<Listbox>("Listbox1"); }
    Label& Label2() const { return Control<Label>("Label2"); }
    Separator& Separator1() const { return Control<Separator>("Separator1"); }
    // Matrix entry field 1 to 9, row by row: field 3(r - 1) + c holds a(r, c).
    TextField& MatrixField(int field) const;

    void PushButton1_Action(PushButton& button);
    // Typing in a field has no immediate effect: one handler that does nothing.
    void TextField6_TextChange(TextField&) {}
    void TextField6_LostFocus(TextField& field);
    void TextField3_TextChange(TextField&) {}
    void TextField3_LostFocus(TextField& field);
    void TextField8_TextChange(TextField&) {}
    void TextField8_LostFocus(TextField& field);
    void TextField2_TextChange(TextField&) {}
    void TextField2_LostFocus(TextField& field);
    void TextField7_TextChange(TextField&) {}
    void TextField7_LostFocus(TextField& field);
    void TextField4_TextChange(TextField&) {}
    void TextField4_LostFocus(TextField& field);
    void Listbox1_Open(Listbox& list);

    MenuItem& WindowMenu() const { return MenuItemNamed<MenuItem>("WindowMenu"); }
    AppleMenuItem& WindowAboutVorlix() const {
        return MenuItemNamed<AppleMenuItem>("WindowAboutVorlix");
    }
    MenuItem& WindowVorlix() const { return MenuItemNamed<MenuItem>("WindowVorlix"); }
    MenuItem& EditMenu() const { return MenuItemNamed<MenuItem>("EditMenu"); }
    MenuItem& EditSelectAll() const { return MenuItemNamed<MenuItem>("EditSelectAll"); }
    MenuItem& EditSeparator2() const { return MenuItemNamed<MenuItem>("EditSeparator2"); }
    MenuItem& EditClear() const { return MenuItemNamed<MenuItem>("EditClear"); }
    MenuItem& EditPasteMatrix() const { return MenuItemNamed<MenuItem>("EditPasteMatrix"); }
    MenuItem& EditPaste() const { return MenuItemNamed<MenuItem>("EditPaste"); }
    MenuItem& EditCopy() const { return MenuItemNamed<MenuItem>("EditCopy"); }
    MenuItem& EditCut() const { return MenuItemNamed<MenuItem>("EditCut"); }
    MenuItem& EditSeparator1() const { return MenuItemNamed<MenuItem>("EditSeparator1"); }
    MenuItem& EditUndo() const { return MenuItemNamed<MenuItem>("EditUndo"); }
    MenuItem& FileMenu() const { return MenuItemNamed<MenuItem>("FileMenu"); }
    QuitMenuItem& FileQuit() const { return MenuItemNamed<QuitMenuItem>("FileQuit"); }
    MenuItem& FileSaveText() const { return MenuItemNamed<MenuItem>("FileSaveText"); }

    void Event_MouseMove(std::int64_t x, std::int64_t y);
    bool Event_MouseDown(std::int64_t x, std::int64_t y);
    void Event_MouseUp(std::int64_t x, std::int64_t y);
    void Event_MouseDrag(std::int64_t x, std::int64_t y);

    bool FilesaveText_Action();
    bool EditPasteMatrix_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;

private:
    struct ControlDesign;

    void MirrorInto(const TextField& from, TextField& to);
    void JumpTo(TextField& field);

    void CreateControls0();
    void CreateMatrixFields();
    template <class T>
    T& Place(const ControlDesign& design, RectControl* parent = nullptr);
    template <class T>
    T& MenuItemNamed(const char* name) const;

    Window1SplitterLayout splitterLayout_{*this};
    // The splitter between the results list and the notes area; it holds the
    // window's drag state (LBdefaultHt, TAdefaultHt, splitDrag, ySplitInit,
    // defaultTopTA).
    ResultsSplitter splitter_{splitterLayout_};
};

// The open main window, or a newly built one.
class Window1* Window1();

template <class T>
T& Window1::MenuItemNamed(const char* name) const {
    MenuItem* item = MenuBar() ? MenuBar()->Lookup(QString::fromUtf8(name)) : nullptr;
    auto* typed = dynamic_cast<T*>(item);
    if (typed == nullptr) throw NilObjectException(std::string("no menu item named ") + name);
    return *typed;
}
