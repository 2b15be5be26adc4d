<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS bilgisi</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Saat</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Tarih</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Enlem</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Boylam</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kalite</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Mesafe ölçümü</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referans konum</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Mevcut konum</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Mesafe</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Uydu bilgisi</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Uydular</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Yön</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Yükseklik</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Yer hızı</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Uydu bilgisi</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Koordinat biçimini değiştir</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>NMEA verilerini göster</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>GPS konumunu göster</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Referans konumu ayarla</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>İzlemeyi başlat</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>İzlemeyi durdur ve saati ayarla</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Verileri sil</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Bu ölçüm için bir H2 sensörü
bağlamanız gerekir.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Referans seviyesini ayarla</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Almanca</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Fransızca</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>İtalyanca</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>İspanyolca</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Çince</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Çekçe</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Macarca</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Rusça</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovence</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonca</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Lehçe</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portekizce</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Romence</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovakça</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>İsveççe</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Fince</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danca</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norveççe</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgarca</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Hırvatça</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korece</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Sırpça</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Türkçe</translation>
        </message>
        <message>
            <source>English</source>
            <translation>İngilizce</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Önceki sayfa</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sonraki sayfa</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Filtreyi ayarla</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofon kazancı</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Kaydı oynat</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Oynatmayı durdur</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Kulaklık kazancı</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Ses olmadan kaydedildi.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Analiz süresi</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Otomatik ölçek</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Ek ayarlar</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofon kazancı</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Filtreyi ayarla</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 dk</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 dk</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 dk</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>H2 sensörü</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Seviye</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Yönetim</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Uzun süreli</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Boru tespiti</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Ölçümler</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Güncelleme</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Ayarlar</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Ölçümü düzenle</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Ölçümleri filtrele</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Önceki sayfa</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sonraki sayfa</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Hata</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Ölçümün adı değiştirilemedi.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Ölçüm silinemedi.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Ölçüm listeden kaldırıldı.
Bazı dosyaları bir sonraki ölçüm kaydedildiğinde silinecek.</translation>
        </message>
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>LIN</source>
            <translation>LIN</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Otomatik ölçek</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Son seviyeyi sil</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Ek ayarlar</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Filtreyi ayarla</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofon kazancı</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Sesi oynat</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Oynatmayı durdur</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Sonraki konumu oynat</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Kaydedildi. Sesi olmayan
nokta(lar): %1</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Filtreyi ayarla</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofon kazancı</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Referans seviyesini ayarla</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MAKS = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MİN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>ORT = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ANLIK = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Ekran görüntüsü</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Seviye ölçümü</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Uzun süreli ölçüm</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2 sensörü</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Boru tespiti</translation>
        </message>
        <message>
            <source>never</source>
            <translation>hiçbir zaman</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Önceki sayfa</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sonraki sayfa</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Sessize alma</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>İşitme koruması</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Özelleştir</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>farklı değerler</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Eşleşmiş kulaklık</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Eşleşmiş mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Parlaklık</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Güç tasarrufu</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Favori tuşu</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Sistem bilgisi</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Sıfırlama</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Dil</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Saat</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Tarih</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Saat dilimi</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Yaz saati uygulaması</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Aç/Kapa</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Basılı tut</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Etkin</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Devre dışı</translation>
        </message>
        <message>
            <source>low</source>
            <translation>düşük</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>orta</translation>
        </message>
        <message>
            <source>high</source>
            <translation>yüksek</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Yaz saati</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Kış saati</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Hata</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Ayar kaydedilemedi.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Evet</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Hayır</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Tamam</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Mikrofon yapılandırması</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Sensör tipi</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Kazanç</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Pil durumu</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Yazılım sürümü</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Donanım sürümü</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Sessize alma</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth adı</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Yeniden oku</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>sensör yok</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>bilinmiyor</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Pil çok zayıf. Lütfen şarj edin.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Sensör algılanamadı.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>QJ-5 pil gerilimi çok düşük.
Lütfen şarj edin.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Sensör tipi algılanamadı.
Sensörü sabitleyin veya kontakları temizleyin.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Bluetooth cihazlarını ara</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Bulunan Bluetooth cihazları</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Eşleştirme modunu açın
ve Ara düğmesine basın.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Aranıyor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>bilinmiyor</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Eşleştirilecek cihazı seçin.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Cihaz bulunamadı.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Cihaz eşleştiriliyor</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Eşleştirme başarısız. Lütfen tekrar deneyin.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Seviye ölçümü</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Tepe seviyesini göster</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Seviye çubuğunda frekans rengi</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Frekans spektrumunu göster</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Frekans değerini göster</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Filtre parametresini göster</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dinamik ölçekleme</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Uzun süreli ölçüm</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Izgarayı göster</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>H2 ölçümü</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Histogramı göster</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Çalışma aralığını göster</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Boru tespiti</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Açılıştaki işlemler</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Favori ekranla başlat</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Filtreler açıkken başlat</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Önceki sayfa</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sonraki sayfa</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Gün</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Ay</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Yıl</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manuel</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Saat</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Dakika</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Saniye</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Geçersiz tarih</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Bu tarih mevcut değil. Lütfen düzeltin.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Parlaklık</translation>
        </message>
        <message>
            <source>high</source>
            <translation>yüksek</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>orta</translation>
        </message>
        <message>
            <source>low</source>
            <translation>düşük</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>İşitme koruması</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Etkin</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Devre dışı</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Kulaklık sesini ayarla</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Uyarı! Akustik şok tehlikesi.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Azami ses sınırlanacak.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Arka ışık kapalı</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Kapanma</translation>
        </message>
        <message>
            <source>never</source>
            <translation>hiçbir zaman</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Fabrika ayarlarına dönüş.
Tüm ayarlar (ör. dil,
eşleşmiş Bluetooth cihazları) sıfırlanır.
Kayıtlı ölçümler silinmez.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Sıfırla</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Tüm ayarlar gerçekten sıfırlansın mı?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Sessiz tuşu modu</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Aç/Kapa</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Basılı tut</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Yaz saati uygulaması</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Yaz saati</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Kış saati</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midway Adaları</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawaii</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pasifik</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Arizona</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Chicago</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>New York</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Newfoundland</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grönland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Orta Atlantik</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azor Adaları</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londra</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Kahire</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskova</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Tahran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kabil</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>İslamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Yeni Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novosibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Yangon</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Bangkok</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Hong Kong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokyo</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sidney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Fiji</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Sistem bilgisi</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Yazılım sürümü</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Seri numarası</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Donanım sürümü</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>İşletim sistemi</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Pil</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>bilinmiyor</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>TKR 9400'ü PC'nize bağlayın
ve Bağlan düğmesine basın.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Bağlan</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Ayır</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Veri belleği bağlanamadı.
Lütfen cihazı yeniden başlatın.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Hata</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Veri belleği kullanımda.
Lütfen tekrar deneyin.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Hata</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Azami ölçüm sayısına ulaşıldı.
Ölçüm kaydedilmeyecek.
Lütfen eski ölçümleri silin.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Ölçüm sayısı sınıra yakın.
Lütfen eski ölçümleri silin.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Ölçüm kaydedilemedi.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Bu ölçüm için akustik bir sensör
bağlamanız gerekir.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Not</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Bluetooth bağlantısı yok.
Lütfen QJ-5'i kontrol edin.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofon kazancı</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kulaklık sesi</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Otomatik filtre ayarı</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Filtre yok</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Uyarı! Akustik şok tehlikesi.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Uyarı!
Yüksek ses işitme hasarına yol açabilir.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>TKR 9400'ü PC'nize bağlayın
ve Bağlan düğmesine basın.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Bağlan</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Ayır</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Yazılımı güncelle</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Mevcut yazılım</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Yeni yazılım</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Yazılım aktarılıyor</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Durum</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Cihaz güncelleniyor</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Lütfen yeniden başlamayı bekleyin.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>TKR 9400'ü PC'nize bağlayın
ve Bağlan düğmesine basın.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Veri belleği kullanımda.
Lütfen tekrar deneyin.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Lütfen yazılım dosyalarını kopyalayın.
Tüm dosyalar kopyalanınca
Ayır düğmesine basın.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Veri belleği bağlanamadı.
Lütfen cihazı yeniden başlatın.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>TKR 9400'ü güncelle</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>QJ-5'i güncelle</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Yazılım dosyası okunamadı.
Lütfen tekrar deneyin.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>TKR 9400 güncelleniyor</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Dosyalar kopyalanıyor, lütfen bekleyin ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Yazılım dosyası kopyalanamadı.
Lütfen tekrar deneyin.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>QJ-5 yazılım güncellemesi</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Yazılım güncellemesi başarıyla tamamlandı.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>TKR 9400 yazılım güncellemesi</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Tüm dosyalar kopyalandı.
Lütfen yeniden başlamayı bekleyin ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Yazılım güncellemesi iptal edildi.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Yazılım aktarılıyor. Lütfen bekleyin ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Yazılım güncellemesinde hata.
Lütfen tekrar deneyin.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Yazılım başarıyla aktarıldı.
QJ-5'i kapatmayın.
Lütfen yeniden başlamayı bekleyin.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Yazılım güncellemesi başarılı.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Güncellemede hata. Lütfen tekrar deneyin.
Bluetooth cihazından yanıt alınamadı.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Önceki sayfa</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Ana menü</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sonraki sayfa</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Geri</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Geçti</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Kaldı</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Adı değiştir</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Onayla</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Sil</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Seviye ölçümü</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Boru tespiti</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>H2 ölçümü</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Uzun süreli ölçüm</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Ses dosyası kaydediliyor.
Lütfen bekleyin ...</translation>
        </message>
    </context>
</TS>
