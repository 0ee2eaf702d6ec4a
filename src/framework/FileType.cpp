#include "framework/FileType.h"

#include <algorithm>

namespace {

// Never destroyed: file types held in statics withdraw from it at exit.
std::vector<FileType::Registration>& RegistrationRecords() {
    static auto* records = new std::vector<FileType::Registration>;
    return *records;
}

}  // namespace

FileType::~FileType() { Withdraw(); }

void FileType::Name(const QString& name) {
    Withdraw();
    name_ = name;
}

void FileType::Extensions(const QString& extensions) {
    Withdraw();
    extensions_ = extensions;
}

void FileType::MacType(const QString& macType) {
    Withdraw();
    macType_ = macType;
}

void FileType::MacCreator(const QString& macCreator) {
    Withdraw();
    macCreator_ = macCreator;
}

void FileType::MimeType(const QString& mimeType) {
    Withdraw();
    mimeType_ = mimeType;
}

void FileType::Imported(bool imported) {
    Withdraw();
    imported_ = imported;
}

void FileType::ConformsTo(const QString& conformsTo) {
    Withdraw();
    conformsTo_ = conformsTo;
}

void FileType::UTI(const QString& uti) {
    Withdraw();
    uti_ = uti;
}

void FileType::Register() {
    if (!IsRegistered()) {
        RegistrationRecords().push_back({this, name_, macCreator_, macType_, extensions_, uti_});
    }
}

FileType::operator QString() {
    Register();
    return name_;
}

bool FileType::IsRegistered() const {
    const auto& records = RegistrationRecords();
    return std::any_of(records.begin(), records.end(),
                       [this](const Registration& r) { return r.type == this; });
}

const std::vector<FileType::Registration>& FileType::Registrations() {
    return RegistrationRecords();
}

const FileType::Registration* FileType::FindRegistration(const QString& name) {
    for (const Registration& registration : RegistrationRecords()) {
        if (registration.name == name) return &registration;
    }
    return nullptr;
}

void FileType::Withdraw() {
    auto& records = RegistrationRecords();
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [this](const Registration& r) { return r.type == this; }),
                  records.end());
}
