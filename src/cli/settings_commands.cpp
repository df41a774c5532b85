#include <ostream>

#include "base/cp932.h"
#include "base/text_util.h"
#include "cli/cli_app.h"
#include "settings/settings_schema.h"
#include "settings/settings_store.h"

namespace tkv::cli {
namespace {

bool reportFailures(Context& ctx, const IoResult& registry, const IoResult& setFile) {
    bool ok = true;
    for (const IoResult* r : {&registry, &setFile}) {
        if (!r->ok()) {
            ctx.err << "tokivane-cli: " << describe(*r) << "\n";
            ok = false;
        }
    }
    return ok;
}

const SettingField& field(const std::string& name) {
    const SettingField* f = FindSetting(name);
    if (f == nullptr)
        throw UsageError{"unknown setting: " + name};
    return *f;
}

// A value as typed, in quotes when blanks at either end would otherwise be lost.
std::string shown(const std::string& text) {
    if (text.empty() || text.front() == ' ' || text.back() == ' ')
        return '"' + text + '"';
    return text;
}

}  // namespace

int SettingsCommand(Context& ctx, const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"settings wants list, get NAME or set NAME VALUE"};
    const std::string& verb = args[0];
    const bool withMeanings = verb == "list" && args.size() == 2 && args[1] == "--describe";
    if (!((verb == "list" && (args.size() == 1 || withMeanings)) ||
          (verb == "get" && args.size() == 2) || (verb == "set" && args.size() == 3)))
        throw UsageError{"settings wants list [--describe], get NAME or set NAME VALUE"};
    const SettingField* named = verb == "list" ? nullptr : &field(args[1]);

    SettingsStore store(*ctx.registry, ctx.dataDir, ctx.currentDir, ctx.user);
    Settings s;
    const SettingsLoadResult loaded = store.LoadSettings(s);
    if (!reportFailures(ctx, loaded.registry, loaded.setFile))
        return ExitFile;

    if (verb == "list") {
        for (const SettingField& f : SettingsSchema()) {
            std::string text = f.text(s);
            if (f.type == SettingType::Password && !text.empty())
                text = "********";
            ctx.out << f.name << '\t' << text;
            if (withMeanings)
                ctx.out << '\t' << f.description;
            ctx.out << '\n';
        }
        return ExitOk;
    }
    if (verb == "get") {
        ctx.out << named->text(s) << '\n';
        return ExitOk;
    }

    const std::string& value = args[2];
    if (HasControlChar(value))
        throw UsageError{"a line break or other control character cannot be stored"};
    std::string bad;
    if (!cp932::canEncode(value, &bad))
        throw UsageError{"cannot be stored in Shift-JIS: " + bad};
    if (named->name == "MokuhyoBasShow" || named->name == "SyukeiMonth") {
        // Values of their windows, outside the record's save and the .SET file.
        const std::string section =
            store.userKey() + (named->section == SettingSection::System ? "\\System" : "\\Setting");
        ctx.registry->writeValue(section, named->name, cp932::fromUtf8(value));
        if (const IoResult r = ctx.registry->flush(); !r.ok()) {
            ctx.err << "tokivane-cli: " << describe(r) << "\n";
            return ExitFile;
        }
        Settings reread;
        store.LoadSettings(reread);
        s = reread;
    } else {
        // Into the record, repaired as a load would, then saved: the registry
        // and tokivane.SET are written together, or neither is.
        const Settings before = s;
        named->assign(s, value, before);
        RepairSettings(s);
        for (std::size_t i = 0; i < s.times.frequentTimes.size(); ++i) {
            s.UseTime[2 * i] = s.times.frequentTimes[i].first.text();
            s.UseTime[2 * i + 1] = s.times.frequentTimes[i].second.text();
        }
        const SettingsSaveResult saved = store.SaveSettings(s);
        if (!reportFailures(ctx, saved.registry, saved.setFile))
            return ExitFile;
    }
    // The load repairs what it cannot use; say so, since what was typed is not what is kept.
    // Passwords are never echoed.
    if (const std::string kept = named->text(s);
        kept != value && named->type != SettingType::Password)
        ctx.err << named->name << ' ' << shown(value) << " → " << shown(kept) << '\n';
    return ExitOk;
}

const CommandSpec SettingsSpec{
    "settings", &SettingsCommand,
    "list [--describe]\tevery value: name, TAB, stored text (passwords masked)\n"
    "get NAME\tone value's stored text\n"
    "set NAME VALUE\tstore a value; repairs apply and tokivane.SET is rewritten",
    "NAME is a value name of the settings (SimeDay, Time11, StartAutoIn, ...); the list\n"
    "shows them all, and with --describe adds TAB and what each value means (in Japanese).\n"
    "A value is stored as text exactly as the settings dialog would store it. When the\n"
    "value cannot be used as given and is repaired, set says so on stderr: NAME GIVEN → KEPT.\n"
    "\n"
    "example:  tokivane-cli settings list --describe\n"
    "example:  tokivane-cli settings get SimeDay\n"
    "example:  tokivane-cli settings set Time11 \" 8:30,17:30\"\n"};

}  // namespace tkv::cli
