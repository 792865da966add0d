#pragma once

#include <string>
#include <vector>

// A dialog described as data: the window, its font and its controls in template order,
// positions and sizes in dialog units. One generic builder turns a template into a dialog.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

enum class ControlKind {
    Label,
    Edit,          // one line; binds a text field
    MultiLineEdit, // wraps words, takes no Enter; binds a text field
    RadioButton,   // binds a choice field
    GroupFrame,    // a shaded panel drawn behind the controls it groups
    DipLine,       // a horizontal dip rule
    OkButton,      // id 1, the default button
    CancelButton,  // id 2
};

// Controls without an id of their own (plain labels and frames) carry this one.
inline constexpr int noControlId = -1;

struct ControlTemplate {
    ControlKind kind;
    int id;
    std::string text;
    DialogRect rect;
    // Edits: whether the text may scroll sideways past the visible width.
    bool scrollsSideways = true;
    // Radio buttons: the first button of a group, which takes the tab stop.
    bool startsGroup = false;
    // Multi-line edits: how many characters of the fixed-pitch font a line holds before it
    // wraps; 0 wraps at the field's own width.
    int wrapColumns = 0;
};

enum class DialogFont {
    Standard,   // the dialog font of the desktop
    FixedPitch, // the system's fixed-pitch font at 10 points
};

// Every dialog of the program.
enum class DialogId {
    FirstDialog,
    AddCat,
    AddAn,
    ChangeCat,
    ChangeAn,
    NumberDlg,
    Highest,
    NameDlg,
    EditHeading,
};

struct DialogTemplate {
    DialogId id;
    std::string name; // the resource name, "ADDCAT"
    std::string title;
    DialogRect frame; // position relative to the owner's client area, and the client size
    DialogFont font = DialogFont::Standard;
    std::vector<ControlTemplate> controls;
};
