#include "core/SettingsTable.h"

#include "core/AppSettings.h"

QString SettingKey::defaultString() const {
    switch (encoding) {
        case SettingEncoding::Text:
        case SettingEncoding::Decimal:
            return QString::fromUtf8(defaultText ? defaultText : "");
        case SettingEncoding::Colour:
            return settings_codec::colorToText(defaultNumber);
        case SettingEncoding::Integer:
        case SettingEncoding::Hundredths:
            break;
    }
    return QString::number(defaultNumber);
}

int readSettingInt(SettingsStore& store, const SettingKey& key) {
    return store.readInt(key.sectionText(), key.nameText(), key.defaultNumber);
}

int readSettingInt(SettingsStore& store, const SettingKey& key, int defaultValue) {
    return store.readInt(key.sectionText(), key.nameText(), defaultValue);
}

QString readSettingText(SettingsStore& store, const SettingKey& key) {
    return store.readString(key.sectionText(), key.nameText(), key.defaultString());
}

QString readSettingText(SettingsStore& store, const SettingKey& key, const QString& defaultValue) {
    return store.readString(key.sectionText(), key.nameText(), defaultValue);
}

void writeSettingInt(SettingsStore& store, const SettingKey& key, int value) {
    store.writeInt(key.sectionText(), key.nameText(), value);
}

void writeSettingText(SettingsStore& store, const SettingKey& key, const QString& value) {
    store.writeString(key.sectionText(), key.nameText(), value);
}

void writeSettingDecimal(SettingsStore& store, const SettingKey& key, float value) {
    writeSettingText(store, key, settings_codec::decimalToText(value));
}

void writeSettingHundredths(SettingsStore& store, const SettingKey& key, double inches) {
    writeSettingInt(store, key, settings_codec::hundredthsFromInches(inches));
}

float readPerPrinterDecimal(SettingsStore& store, const PerPrinterKey& key, const QString& queue) {
    return settings_codec::decimalFromText(
        store.readString(key.sectionText(), key.nameFor(queue), QString::fromLatin1(key.defaultText)));
}

void writePerPrinterDecimal(SettingsStore& store, const PerPrinterKey& key, const QString& queue,
                            float value) {
    store.writeString(key.sectionText(), key.nameFor(queue), settings_codec::decimalToText(value));
}
