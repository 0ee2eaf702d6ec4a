#pragma once

#include <QString>
#include <vector>

// A kind of file the save dialog can offer. Registering it hands its
// properties to the framework (once); converting it to text registers it and
// gives its Name; setting any of its properties withdraws a registration that
// exists.
class FileType {
public:
    struct Registration {
        const FileType* type;
        QString name;
        QString macCreator;
        QString macType;
        QString extensions;
        QString uti;
    };

    FileType() = default;
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    const QString& Name() const { return name_; }
    void Name(const QString& name);
    // Extensions with their leading full stop, separated by semicolons.
    const QString& Extensions() const { return extensions_; }
    void Extensions(const QString& extensions);
    const QString& MacType() const { return macType_; }
    void MacType(const QString& macType);
    const QString& MacCreator() const { return macCreator_; }
    void MacCreator(const QString& macCreator);
    const QString& MimeType() const { return mimeType_; }
    void MimeType(const QString& mimeType);
    bool Imported() const { return imported_; }
    void Imported(bool imported);
    const QString& ConformsTo() const { return conformsTo_; }
    void ConformsTo(const QString& conformsTo);
    const QString& UTI() const { return uti_; }
    void UTI(const QString& uti);

    void Register();
    operator QString();
    bool IsRegistered() const;

    static const std::vector<Registration>& Registrations();
    // The registration under that name, or nullptr.
    static const Registration* FindRegistration(const QString& name);

private:
    void Withdraw();

    QString name_;
    QString extensions_;
    QString macType_;
    QString macCreator_;
    QString mimeType_;
    bool imported_ = false;
    QString conformsTo_;
    QString uti_;
};
