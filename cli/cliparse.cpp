#include "cli/cliparse.h"

#include "base/messagetext.h"
#include "base/textutil.h"
#include "report/linetype.h"

#include <CLI/CLI.hpp>
#include <climits>
#include <cstdlib>
#include <sstream>

namespace {

// Every option of every command, once; a command names those it takes (Command::options).
struct OptionSpec {
    const char* name;
    const char* value; // the value's name in the usage; null for a flag
    int help;          // its text in base/messagetable.h
};

// clang-format off
const OptionSpec kOptions[] = {
    {"--turn", "DATE", Msg::OptionTurn},
    {"--plain", "Z", Msg::OptionPlain},
    {"--select", "X,Y", Msg::OptionSelect},
    {"-o", "FILE.png", Msg::OptionOutput},
    {"--shade", "KEY[:ITEM]", Msg::OptionShade},
    {"--replace", nullptr, Msg::OptionReplace},
    {"--force", nullptr, Msg::OptionForce},
    {"--ally", nullptr, Msg::OptionAlly},
    {"--remove", "FACTION", Msg::OptionRemove},
    {"--from", "DATE", Msg::OptionFrom},
    {"--all", nullptr, Msg::OptionAll},
};
// clang-format on

const OptionSpec& FindOption(const std::string& name) {
    for (const OptionSpec& option : kOptions)
        if (name == option.name) return option;
    // A command naming an option the table lacks is a fault of this program, not of its user.
    std::fprintf(stderr, "vexlor-cli: no option %s in the table\n", name.c_str());
    std::abort();
}

std::vector<std::string> OptionNames(const Command& command) {
    std::vector<std::string> names;
    std::istringstream words(command.options);
    for (std::string name; words >> name;)
        names.push_back(name);
    return names;
}

int Usage(const Command& command, int status) {
    FailMessage(Msg::CliUsage, {EnglishMessage(command.usage)});
    return status;
}

} // namespace

const char* CommandArgs::Value(const char* option) const {
    auto found = options.find(FindOption(option).name);
    return found == options.end() ? nullptr : found->second.c_str();
}

bool CommandArgs::Has(const char* option) const {
    return options.count(FindOption(option).name) != 0;
}

int CommandArgs::UsageError() const {
    return Usage(*command, command->usageStatus);
}

std::optional<int> ReadCommandArgs(const Command& command, int argc, char** argv,
                                   CommandArgs& args) {
    args.command = &command;
    CLI::App app;
    app.set_help_flag("-h,--help");
    std::vector<std::string> names = OptionNames(command);
    std::vector<std::string> values(names.size());
    std::vector<CLI::Option*> added;
    for (size_t i = 0; i < names.size(); ++i)
        added.push_back(FindOption(names[i]).value ? app.add_option(names[i], values[i])
                                                   : app.add_flag(names[i]));
    // Every word that is no option is an operand; their number is checked below, so that
    // the library refuses only what no table names.
    app.add_option("operands", args.operands);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        PrintCommandHelp(command, stdout);
        return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
    } catch (const CLI::ExtrasError&) {
        std::vector<std::string> unknown = app.remaining();
        FailMessage(Msg::UnknownOption, {unknown.empty() ? "" : unknown.front()});
        return Usage(command, 2);
    } catch (const CLI::ParseError&) {
        // A value missing, or an option given twice.
        return Usage(command, command.usageStatus);
    }
    for (size_t i = 0; i < names.size(); ++i)
        if (added[i]->count() > 0) args.options[names[i]] = values[i];
    int count = static_cast<int>(args.operands.size());
    if (count < command.minOperands || (command.maxOperands >= 0 && count > command.maxOperands))
        return Usage(command, command.usageStatus);
    return std::nullopt;
}

void PrintCommandHelp(const Command& command, FILE* out) {
    std::fprintf(out, "%s\n%s\n",
                 EnglishMessage(Msg::CliUsage, {EnglishMessage(command.usage)}).Get(),
                 EnglishMessage(command.summary));
    std::fputc('\n', out);
    for (const std::string& name : OptionNames(command)) {
        const OptionSpec& option = FindOption(name);
        std::string shown = option.value ? name + " " + option.value : name;
        std::fprintf(out, "  %-18s %s\n", shown.c_str(), EnglishMessage(option.help));
    }
    std::fprintf(out, "  %-18s %s\n", "-h, --help", EnglishMessage(Msg::CliHelpThis));
}

bool ParseDate(const std::string& text, AtlDate& date) {
    if (auto turn = ParseWhole(text, INT_MIN / 2, INT_MAX / 2)) {
        date = AtlDate(0, 1); // turn 1
        date += static_cast<int>(*turn) - 1;
        return true;
    }
    size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    int month = GetMonthNum(std::string(Trim(std::string_view(text).substr(0, comma))).c_str());
    std::string_view rest = Trim(std::string_view(text).substr(comma + 1));
    if (month < 0 || rest.substr(0, 5) != "Year ") return false;
    auto year = ParseWhole(rest.substr(5), 0, INT_MAX / 24);
    if (!year) return false;
    date = AtlDate(month, static_cast<int>(*year));
    return true;
}
