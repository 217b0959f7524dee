#pragma once
// The editor window's fields as the controllers see them.
namespace tarnwick {

class CheckField;
class ChoiceField;
class TextField;

struct EditorFields {
    TextField& name;
    ChoiceField& startHotkey;
    TextField& loop;
    TextField& cursor;
    TextField& position;
    ChoiceField& mouseAction;
    TextField& interval;
    ChoiceField& wheelAction;
    TextField& wheelCount;
    TextField& key;
    TextField& keyCount;
    CheckField& noKey;
    TextField& text;
    // The caption of the confirm button, which is the editor's state.
    TextField& confirm;
};

} // namespace tarnwick
