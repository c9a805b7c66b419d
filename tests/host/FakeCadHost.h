#pragma once

#include "excel/Excel.h"
#include "lisp/CadHost.h"

#include <deque>
#include <map>
#include <set>

namespace standin::test {

// A CAD around the interpreter that records what it is asked to do.
class FakeCadHost final : public lisp::CadHost {
  public:
    void Print(TextView text) override { printed += text; }
    std::optional<Point3> GetPoint(TextView prompt) override {
        prompts.emplace_back(prompt);
        if (points.empty()) {
            return std::nullopt; // as if the user pressed escape
        }
        const Point3 point = points.front();
        points.pop_front();
        return point;
    }
    void AddEntity(const Entity& entity) override {
        entities.push_back(entity);
        entities.back().number = static_cast<std::int32_t>(entities.size());
    }
    std::optional<Text> FindFile(TextView name) override {
        const Text path = u"C:\\support\\" + Text(name);
        return files.count(path) ? std::optional<Text>(path) : std::nullopt;
    }
    std::optional<Text> ReadSource(TextView path) override {
        const auto found = files.find(Text(path));
        return found == files.end() ? std::nullopt : std::optional<Text>(found->second);
    }
    void LoadAttempted(TextView name, const std::optional<Text>& path) override {
        loads.emplace_back(Text(name), path);
    }
    // Automation: the spreadsheet when a test starts it.
    excel::Application* RunningExcel() override { return excel ? &*excel : nullptr; }

    // Files and dialogs: in-memory bytes, scripted dialog answers.
    std::optional<vr::Bytes> ReadFileBytes(TextView path) override {
        const auto found = bytes.find(Text(path));
        return found == bytes.end() ? std::nullopt : std::optional<vr::Bytes>(found->second);
    }
    bool WriteFileBytes(TextView path, vr::BytesView written) override {
        if (readOnly.count(Text(path))) {
            return false;
        }
        bytes[Text(path)] = vr::Bytes(written);
        return true;
    }
    std::optional<std::vector<Text>> NextDialogAnswers() override {
        if (dialogScripts.empty()) {
            return std::nullopt;
        }
        std::vector<Text> answers = dialogScripts.front();
        dialogScripts.pop_front();
        return answers;
    }
    void DialogEnded(TextView name, const std::vector<Text>& applied, int status) override {
        dialogs.push_back({Text(name), applied, status});
    }

    const std::vector<Entity>& DrawingEntities() const override { return entities; }
    PickAnswer PickEntity(TextView prompt) override {
        prompts.emplace_back(prompt);
        if (picks.empty()) {
            return PickAnswer{}; // as if the user pressed escape
        }
        const PickAnswer pick = picks.front();
        picks.pop_front();
        return pick;
    }

    Text printed;
    std::vector<Text> prompts;
    std::deque<Point3> points;
    std::deque<PickAnswer> picks;
    std::vector<Entity> entities;
    std::map<Text, Text> files; // by full path under C:\support
    std::vector<std::pair<Text, std::optional<Text>>> loads;
    std::optional<excel::Application> excel;
    std::map<Text, vr::Bytes> bytes; // what the file functions read and write
    std::set<Text> readOnly;         // paths that cannot be written
    std::deque<std::vector<Text>> dialogScripts;
    struct EndedDialog {
        Text name;
        std::vector<Text> applied;
        int status;
    };
    std::vector<EndedDialog> dialogs;
};

} // namespace standin::test
