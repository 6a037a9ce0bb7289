#include "settings/uVexaRegIniStorage.h"

#include "platform/Directory.h"
#include "platform/FileAccess.h"
#include "platform/ShellFolders.h"
#include "settings/IniContent.h"
#include "settings/IniEncoding.h"
#include "support/MiscTool.h"

#include <algorithm>

namespace {

constexpr std::string_view kConfigurationSection = "CONFIGURATION";
constexpr std::string_view kFormsSection = "FORMS";
constexpr std::string_view kDefaultIniFileName = "Vexa.ini";

std::unique_ptr<TRegIniData> GRegIniData;

AnsiString WithDelimiter(AnsiString folder) {
    if (folder.empty() || (folder.back() != PathDelimiter() && folder.back() != '/')) {
        folder += PathDelimiter();
    }
    return folder;
}

// An unreadable bootstrap file decides nothing: the defaults apply, and they store nothing. The
// file is only read, so its text is taken into the program's code page whole.
TIniContent ReadBootstrapFile(const AnsiString& fileName) {
    std::string bytes;
    if (ReadWholeFile(fileName, bytes) != TReadStatus::Read) {
        return {};
    }
    const TIniText text = DecodeIniText(bytes);
    return TIniContent::Parse(IniTextToAnsi(text.Encoding, text.Text));
}

AnsiString DefaultIniFileName() {
    AnsiString folder;
    GetSpecialFolderPath(kCsidlAppData, folder);
    return WithDelimiter(folder) + AnsiString(kDefaultIniFileName);
}

// The settings file name that the bootstrap file gives, its environment references expanded;
// the default for a missing or empty name.
AnsiString SettingsFileName(const TIniContent& bootstrap) {
    AnsiString name = ExpandEnvironmentText(
        bootstrap.ReadString(kConfigurationSection, "IniFileName", DefaultIniFileName()));
    if (Trim(name).empty()) {
        return DefaultIniFileName();
    }
    return name;
}

} // namespace

TRegIniData::TRegIniData() : TRegIniData(GetProgramIniFileName()) {}

TRegIniData::TRegIniData(const AnsiString& bootstrapFileName) {
    OpenStore(bootstrapFileName);
}

TRegIniData::~TRegIniData() {
    FReleasing = true;
    for (auto client = FClients.rbegin(); client != FClients.rend(); ++client) {
        (*client)->StoreNotification(*this, soRemoved);
    }
    FClients.clear();
    FStore.reset();
}

void TRegIniData::OpenStore(const AnsiString& bootstrapFileName) {
    const TIniContent bootstrap = ReadBootstrapFile(bootstrapFileName);
    if (bootstrap.ReadInteger(kConfigurationSection, "UseRegistry", 1) != 0) {
        const AnsiString rootName =
            bootstrap.ReadString(kConfigurationSection, "RegistryRoot", "prCurrentUser");
        auto storage = std::make_unique<TVexaAppRegistryStorage>(GetProductRegistryKey());
        storage->SetRegRoot(RegistryRootFromName(rootName));
        FStore = std::move(storage);
    } else {
        auto storage = std::make_unique<TVexaAppIniFileStorage>();
        // A name that is relative once its placeholders are filled is taken from the bootstrap
        // file's folder, not from whatever folder is current at start-up.
        storage->SetBaseFolder(ExtractFileDir(bootstrapFileName));
        storage->SetFileName(SettingsFileName(bootstrap));
        // The folder of the file actually used, placeholders filled; a folder that cannot be
        // created leaves a store that starts empty and cannot write back.
        ForceDirectories(ExtractFileDir(storage->FullFileName()));
        FStore = std::move(storage);
    }
    if (const IntfPtr<IStorageSection> section = Supports<IStorageSection>(FStore.get())) {
        section->SelectSubSection(AnsiString(kFormsSection));
    }
}

void TRegIniData::AddClient(TRegIniDataClient* client) {
    if (!client || FReleasing || std::ranges::find(FClients, client) != FClients.end()) {
        return;
    }
    FClients.push_back(client);
    client->StoreNotification(*this, soAdded);
}

void TRegIniData::RemoveClient(TRegIniDataClient* client) {
    if (!client || FReleasing) {
        return;
    }
    std::erase(FClients, client);
    client->StoreNotification(*this, soRemoved);
}

TVexaAppRegistryStorage* TRegIniData::RegistryStorage() const {
    return dynamic_cast<TVexaAppRegistryStorage*>(FStore.get());
}

TVexaAppIniFileStorage* TRegIniData::IniFileStorage() const {
    return dynamic_cast<TVexaAppIniFileStorage*>(FStore.get());
}

TRegIniData& RegIniData() {
    if (!GRegIniData) {
        GRegIniData = std::make_unique<TRegIniData>();
    }
    return *GRegIniData;
}

bool RegIniDataExists() {
    return GRegIniData != nullptr;
}

void FreeRegIniData() {
    // The global is null before the store goes, so that nothing told of the release reaches it.
    std::unique_ptr<TRegIniData> store = std::move(GRegIniData);
    store.reset();
}
