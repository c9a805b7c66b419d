#pragma once

#include "lisp/CadHost.h"

#include <deque>
#include <map>

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
};

} // namespace standin::test
