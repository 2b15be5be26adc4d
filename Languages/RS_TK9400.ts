<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_RS">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS informacije</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Vreme</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Geo. širina</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Geo. dužina</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kvalitet</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Merenje rastojanja</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referentna pozicija</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Trenutna pozicija</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Rastojanje</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informacije o satelitima</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Sateliti</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Pravac</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Visina</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Brzina</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informacije o satelitima</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Promeni format koordinata</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Prikaži NMEA podatke</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Prikaži GPS poziciju</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Postavi referentnu poziciju</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Pokreni praćenje</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Zaustavi praćenje i podesi sat</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Obriši podatke</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Za ovo merenje
povežite H2 senzor.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Postavi referentni nivo</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Opseg</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Sačuvaj</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Nemački</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francuski</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italijanski</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Španski</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Kineski</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Češki</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Mađarski</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Ruski</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovenački</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanski</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Poljski</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugalski</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumunski</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovački</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Švedski</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finski</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danski</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norveški</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bugarski</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Hrvatski</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korejski</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Srpski</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turski</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Engleski</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna strana</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sledeća strana</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filter</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Sačuvaj</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Reprodukuj snimak</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zaustavi reprodukciju</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Pojačanje slušalica</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Sačuvano bez zvuka.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Sačuvaj</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Vreme analize</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatska skala</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatna podešavanja</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filter</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 min</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 min</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 min</translation>
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
            <translation>H2 senzor</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Nivo</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Upravljanje</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Dugotrajno</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Merenja</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Ažuriranje</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Podešavanja</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Uredi merenje</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtriraj merenja</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna strana</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sledeća strana</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Greška</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Merenje nije moguće preimenovati.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Merenje nije moguće obrisati.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Merenje je uklonjeno sa liste.
Neke njegove datoteke biće obrisane pri čuvanju sledećeg merenja.</translation>
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
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatska skala</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Obriši poslednji nivo</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatna podešavanja</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Sačuvaj</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Reprodukuj zvuk</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zaustavi reprodukciju</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Sledeća tačka</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Sačuvano bez zvuka
tačke %1.</numerusform>
                <numerusform>Sačuvano bez zvuka
tačaka %1.</numerusform>
                <numerusform>Sačuvano bez zvuka
tačaka %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Sačuvaj</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Postavi referentni nivo</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Opseg</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Sačuvaj</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
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
            <translation>MIN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>PROS = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>TREN = %1 bar</translation>
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
            <translation>Snimak ekrana</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Merenje nivoa</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dugotrajno merenje</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2 senzor</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikad</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna strana</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sledeća strana</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Utišavanje</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Zaštita sluha</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Prilagođavanje</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>različite vrednosti</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Uparene slušalice</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Upareni mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Osvetljenost</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Ušteda energije</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Omiljeno dugme</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informacije o sistemu</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Fabrička podešavanja</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Jezik</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Vreme</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Vremenska zona</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Letnje računanje vremena</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Prekidač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Taster</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Uključeno</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Isključeno</translation>
        </message>
        <message>
            <source>low</source>
            <translation>niska</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>srednja</translation>
        </message>
        <message>
            <source>high</source>
            <translation>visoka</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Letnje vreme</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimsko vreme</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Greška</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Podešavanje nije moguće sačuvati.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Da</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Ne</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Konfiguracija mikrofona</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Tip senzora</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Pojačanje</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stanje baterije</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verzija firmvera</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Verzija hardvera</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Utišavanje</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth naziv</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Osveži</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>nema senzora</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nepoznato</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Baterija je skoro prazna. Napunite je.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Senzor nije prepoznat.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Baterija QJ-5 je skoro prazna.
Napunite je.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Tip senzora nije prepoznat.
Pričvrstite senzor ili očistite kontakte.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Traži Bluetooth uređaje</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Pronađeni Bluetooth uređaji</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Uključite režim uparivanja
i dodirnite dugme „Traži“.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Traženje</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nepoznato</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Izaberite uređaj za uparivanje.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nije pronađen nijedan uređaj.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Uparivanje uređaja</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Uparivanje nije uspelo. Pokušajte ponovo.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Merenje nivoa</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Prikaži vršni nivo</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Boja frekvencije za traku nivoa</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Prikaži frekvencijski spektar</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Prikaži frekvenciju</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Prikaži parametre filtera</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dinamičko skaliranje</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dugotrajno merenje</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Prikaži mrežu</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Merenje H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Prikaži histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Prikaži radni opseg</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Radnje pri uključivanju</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Pokreni sa omiljenom funkcijom</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Pokreni sa uključenim filterima</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna strana</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sledeća strana</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Dan</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mesec</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Godina</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Ručno</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Sat</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minut</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekund</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Neispravan datum</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Ovaj datum ne postoji. Ispravite ga.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Osvetljenost</translation>
        </message>
        <message>
            <source>high</source>
            <translation>visoka</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>srednja</translation>
        </message>
        <message>
            <source>low</source>
            <translation>niska</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Zaštita sluha</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Uključeno</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Isključeno</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Upozorenje! Opasnost od zvučnog udara.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Maks. jačina zvuka biće ograničena.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Isklj. osvetljenja</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Isključivanje</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikad</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Vraćanje na fabrička podešavanja.
Sva podešavanja (npr. jezik,
upareni Bluetooth uređaji) biće resetovana.
Sačuvana merenja neće biti obrisana.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Resetuj</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Da li zaista želite da resetujete sva podešavanja?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Režim dugmeta za utišavanje</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Prekidač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Taster</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Letnje računanje vremena</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Letnje vreme</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimsko vreme</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Ostrva Midvej</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Havaji</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Aljaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacifik</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Arizona</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Čikago</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>Njujork</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Njufaundlend</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grenland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Srednji Atlantik</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azori</translation>
        </message>
        <message>
            <source>London</source>
            <translation>London</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Kairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskva</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teheran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Nju Delhi</translation>
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
            <translation>Jangon</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Bangkok</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Hongkong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokio</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darvin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sidnej</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Fidži</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informacije o sistemu</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verzija firmvera</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Serijski broj</translation>
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
            <translation>Verzija hardvera</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operativni sistem</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Baterija</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nepoznato</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Povežite TKR 9400 sa PC-jem
i dodirnite dugme „Poveži“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Poveži</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Prekini vezu</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Memorija podataka nije montirana.
Ponovo pokrenite uređaj.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Greška</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Memorija podataka je zauzeta.
Pokušajte ponovo.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Greška</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Dostignut je maksimalan broj merenja.
Merenje neće biti sačuvano.
Obrišite stara merenja.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Broj merenja je blizu granice.
Obrišite stara merenja.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Merenje nije moguće sačuvati.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Za ovo merenje
povežite akustični senzor.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Napomena</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Nema Bluetooth veze.
Proverite QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Jačina slušalica</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatsko podešavanje filtera</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Bez filtera</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Upozorenje! Opasnost od zvučnog udara.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Upozorenje!
Velika jačina zvuka može oštetiti sluh.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Povežite TKR 9400 sa PC-jem
i dodirnite dugme „Poveži“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Poveži</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Prekini vezu</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Ažuriranje firmvera</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Trenutni firmver</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Novi firmver</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Prenos firmvera</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Ažuriranje uređaja</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Sačekajte ponovno pokretanje.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Povežite TKR 9400 sa PC-jem
i dodirnite dugme „Poveži“.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Memorija podataka je zauzeta.
Pokušajte ponovo.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Kopirajte datoteke firmvera.
Dodirnite dugme „Prekini vezu“
kada su sve datoteke kopirane.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Memorija podataka nije montirana.
Ponovo pokrenite uređaj.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Ažuriraj TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Ažuriraj QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Datoteka firmvera nije pročitana.
Pokušajte ponovo.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Ažuriranje TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopiranje datoteka, sačekajte ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Datoteka firmvera nije kopirana.
Pokušajte ponovo.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Ažuriranje firmvera QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Ažuriranje firmvera je uspešno završeno.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Ažuriranje firmvera TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Sve datoteke su kopirane.
Sačekajte ponovno pokretanje ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Ažuriranje firmvera je otkazano.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Prenos firmvera. Sačekajte ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Greška pri ažuriranju firmvera.
Pokušajte ponovo.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmver je uspešno prenet.
Ne isključujte QJ-5.
Sačekajte ponovno pokretanje.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Firmver je uspešno ažuriran.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Greška pri ažuriranju. Pokušajte ponovo.
Bluetooth uređaj ne odgovara.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna strana</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sledeća strana</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Nazad</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Promeni naziv</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Otkaži</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Obriši</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Merenje nivoa</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Merenje H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Dugotrajno merenje</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Čuvanje zvuka.
Sačekajte ...</translation>
        </message>
    </context>
</TS>
