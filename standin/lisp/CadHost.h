#pragma once

#include "cad/Entity.h"
#include "cad/EntityPick.h"

#include <optional>
#include <vector>

namespace standin::excel {
class Application;
}

namespace standin::lisp {

// What the interpreter needs of the CAD around it.
class CadHost {
  public:
    virtual ~CadHost() = default;
    // Shows text on the command line (no line end added).
    virtual void Print(TextView text) = 0;
    // Shows the prompt and waits for a point: a click, a scripted answer or
    // typed coordinates. nullopt when the user cancelled with escape.
    [[nodiscard]] virtual std::optional<Point3> GetPoint(TextView prompt) = 0;
    // Adds an entity to the drawing.
    virtual void AddEntity(const Entity& entity) = 0;
    // The full path of a file found by the CAD's file search, or nullopt.
    [[nodiscard]] virtual std::optional<Text> FindFile(TextView name) = 0;
    // The decoded text of a source file, or nullopt when it cannot be read.
    [[nodiscard]] virtual std::optional<Text> ReadSource(TextView path) = 0;
    // Told of every load: the name asked for and the file found, if any.
    virtual void LoadAttempted(TextView name, const std::optional<Text>& path) = 0;

    // Automation: the spreadsheet program running beside the CAD, which
    // vlax-get-object reaches; nullptr when it does not run.
    [[nodiscard]] virtual excel::Application* RunningExcel() = 0;
    // ---- files that routines open, and the dialogs they show ----
    // The bytes of a file, nullopt when it cannot be read.
    [[nodiscard]] virtual std::optional<vr::Bytes> ReadFileBytes(TextView path) = 0;
    // Creates or replaces a file with the bytes; false when it cannot.
    [[nodiscard]] virtual bool WriteFileBytes(TextView path, vr::BytesView bytes) = 0;
    // What the user does in the next dialog shown, in order: "key=value"
    // types into an edit box, a bare key presses a button. nullopt when
    // nothing is scripted for it.
    [[nodiscard]] virtual std::optional<std::vector<Text>> NextDialogAnswers() = 0;
    // Told of every dialog when it ends: the answers applied and the status
    // start_dialog returns.
    virtual void DialogEnded(TextView name, const std::vector<Text>& applied, int status) = 0;
    // Entity names and picks. The drawing's entities in the order they were
    // added, each with its number (its place in this list, from 1).
    [[nodiscard]] virtual const std::vector<Entity>& DrawingEntities() const = 0;
    // Shows the prompt and waits for a pick of an entity: a click, a
    // scripted pick or typed coordinates, Enter, or escape.
    [[nodiscard]] virtual PickAnswer PickEntity(TextView prompt) = 0;
};

} // namespace standin::lisp
