#include "admin/adminCommand.h"

#include <cctype>
#include <filesystem>
#include <ostream>

#include "admin/bigStore.h"
#include "database/dataModule.h"
#include "database/storeFiles.h"

namespace pos {

namespace {

const char* kUsage =
    "usage:\n"
    "  pos-admin init FILE              create an empty store\n"
    "  pos-admin demo FILE              create a store with the demo data\n"
    "  pos-admin bigstore FILE [--goods N]\n"
    "                                   create a large store: the demo data, N goods\n"
    "                                   (default 100000), 2N batches, 10N posted sale lines\n"
    "  pos-admin sql FILE \"STATEMENT\"   run one statement on a store\n";

bool isSelect(const std::string& statement) {
    size_t i = 0;
    while (i < statement.size() &&
           (std::isspace(static_cast<unsigned char>(statement[i])) || statement[i] == '('))
        ++i;
    std::string word;
    while (i < statement.size() && std::isalpha(static_cast<unsigned char>(statement[i])))
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(statement[i++])));
    return word == "select";
}

// A number of goods: digits only, within the generator's range.
bool parseGoods(const std::string& text, int& goods) {
    if (text.empty() || text.size() > 7) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    goods = std::stoi(text);
    return goods >= 1;
}

// Values print in the terminal's text form; tabs and line breaks inside a value
// would break the layout, so they print as blanks.
std::string field(const std::string& v) {
    std::string r = v;
    for (char& c : r)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return r;
}

}  // namespace

int runAdminCommand(const std::vector<std::string>& args, const Clock& clock, std::ostream& out,
                    std::ostream& err) {
    try {
        if (args.size() == 2 && args[0] == "init") {
            createEmptyStore(args[1]);
            out << "created empty store " << args[1] << "\n";
            return 0;
        }
        if (args.size() == 2 && args[0] == "demo") {
            createDemoStore(args[1], clock);
            out << "created demo store " << args[1] << "\n";
            return 0;
        }
        if ((args.size() == 2 || args.size() == 4) && args[0] == "bigstore") {
            int goods = kBigStoreGoods;
            if (args.size() == 4 && (args[2] != "--goods" || !parseGoods(args[3], goods))) {
                err << "the number of goods must be a whole number from 1 to " << kBigStoreMaxGoods
                    << "\n"
                    << kUsage;
                return 2;
            }
            createBigStore(args[1], clock, goods);
            out << "created big store " << args[1] << " with " << goods << " goods, " << 2LL * goods
                << " batches and " << 10LL * goods << " posted sale lines\n";
            return 0;
        }
        if (args.size() == 3 && args[0] == "sql") {
            TF_DataModule dm(clock, std::filesystem::path(args[1]).parent_path().string());
            dm.openPath(args[1]);
            if (isSelect(args[2])) {
                Query& q = dm.QuerySelect;
                dm.openSelect(args[2]);
                const auto& cols = q.columns();
                for (size_t i = 0; i < cols.size(); ++i) out << (i ? "\t" : "") << field(cols[i]);
                out << "\n";
                for (q.first(); !q.eof(); q.next()) {
                    for (size_t i = 0; i < cols.size(); ++i)
                        out << (i ? "\t" : "") << field(q.value(static_cast<int>(i)).asText());
                    out << "\n";
                }
                q.close();
            } else {
                out << dm.execSql(args[2]) << "\n";
            }
            return 0;
        }
        err << kUsage;
        return 2;
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 1;
    }
}

}  // namespace pos
