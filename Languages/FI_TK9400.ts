<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS-tiedot</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Aika</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Päivämäärä</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Leveysaste</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Pituusaste</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Laatu</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Etäisyysmittaus</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Vertailusijainti</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Nykyinen sijainti</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Etäisyys</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Satelliittitiedot</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satelliitit</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Suunta</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Korkeus</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Nopeus</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Satelliittitiedot</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Vaihda koordinaattimuoto</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Näytä NMEA-tiedot</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Näytä GPS-sijainti</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Aseta vertailusijainti</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Aloita seuranta</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Lopeta seuranta ja aseta kello</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Poista tiedot</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Tähän mittaukseen tarvitaan
H2-anturi.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Aseta vertailutaso</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Mittausalue</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Tallenna</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Saksa</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Ranska</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italia</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Espanja</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Kiina</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Tšekki</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Unkari</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Venäjä</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Sloveeni</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japani</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Puola</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugali</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Romania</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovakki</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Ruotsi</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Suomi</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Tanska</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norja</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgaria</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Kroatia</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korea</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbia</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turkki</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Englanti</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Edellinen sivu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Seuraava sivu</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Säädä suodinta</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Tallenna</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonin vahvistus</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Toista tallenne</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Lopeta toisto</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Kuulokevahvistus</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Tallennettu ilman ääntä.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Tallenna</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Analyysiaika</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automaattinen skaala</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Lisäasetukset</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonin vahvistus</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Säädä suodinta</translation>
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
            <translation>Histogrammi</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>H2-anturi</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Taso</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Hallinta</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Pitkäaikainen</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Putken haku</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Mittaukset</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Päivitys</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Asetukset</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Muokkaa mittausta</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Suodata mittauksia</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Edellinen sivu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Seuraava sivu</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Virhe</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Mittauksen nimeä ei voitu muuttaa.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Mittausta ei voitu poistaa.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Mittaus poistettiin luettelosta.
Osa sen tiedostoista poistetaan, kun seuraava mittaus tallennetaan.</translation>
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
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automaattinen skaala</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Poista viimeinen taso</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Lisäasetukset</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Tallenna</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Säädä suodinta</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonin vahvistus</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Toista ääni</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Lopeta toisto</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Toista seuraava kohta</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Tallennettu ilman
pisteen %1 ääntä.</numerusform>
                <numerusform>Tallennettu ilman
pisteiden %1 ääntä.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Säädä suodinta</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonin vahvistus</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Tallenna</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Aseta vertailutaso</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Mittausalue</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Tallenna</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
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
            <translation>KESKI = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>NYT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berliini</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Kuvakaappaus</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogrammi</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Tasomittaus</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Pitkäaikaismittaus</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2-anturi</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Putken haku</translation>
        </message>
        <message>
            <source>never</source>
            <translation>ei koskaan</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Edellinen sivu</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Seuraava sivu</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Mykistys</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Kuulonsuojaus</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Mukauta</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>eri arvot</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Paritetut kuulokkeet</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Paritettu mikrofoni</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Kirkkaus</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Virransäästö</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Suosikkipainike</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Järjestelmätiedot</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Tehdasasetukset</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Kieli</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Aika</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Päivämäärä</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Aikavyöhyke</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Kesä-/talviaika</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Kytkin</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Painike</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Päällä</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Pois</translation>
        </message>
        <message>
            <source>low</source>
            <translation>matala</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>keski</translation>
        </message>
        <message>
            <source>high</source>
            <translation>korkea</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Kesäaika</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Talviaika</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Virhe</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Asetusta ei voitu tallentaa.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Kyllä</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Ei</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
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
            <translation>Mikrofonin määritys</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Anturityyppi</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Vahvistus</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Akun tila</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Ohjelmistoversio</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Laitteistoversio</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Mykistys</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth-nimi</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth-tunnus</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Lue uudelleen</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>ei anturia</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>tuntematon</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Akku on lähes tyhjä. Lataa akku.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Anturia ei tunnistettu.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>QJ-5:n akkujännite on hyvin matala.
Lataa akku.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Anturin tyyppiä ei tunnistettu.
Kiinnitä anturi tai puhdista liittimet.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Etsi Bluetooth-laitteita</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Löydetyt Bluetooth-laitteet</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Kytke paritustila päälle
ja napauta Etsi-painiketta.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Etsitään</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>tuntematon</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Valitse paritettava laite.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Laitteita ei löytynyt.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Laitetta paritetaan</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Paritus epäonnistui. Yritä uudelleen.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Tasomittaus</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Näytä huipputaso</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Tasopalkki taajuuden värillä</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Näytä taajuusspektri</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Näytä taajuusarvo</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogrammi</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Näytä suodinparametri</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dynaaminen skaalaus</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Pitkäaikaismittaus</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Näytä ruudukko</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>H2-mittaus</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Näytä histogrammi</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Näytä toiminta-alue</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Putken haku</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Toiminnot käynnistettäessä</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Käynnistä suosikkitoimintoon</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Käynnistä suotimet päällä</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Edellinen sivu</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Seuraava sivu</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Päivä</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Kuu</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Vuosi</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Käsin</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Tunti</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuutti</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekunti</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Virheellinen päivämäärä</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Päivämäärää ei ole olemassa. Korjaa se.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Kirkkaus</translation>
        </message>
        <message>
            <source>high</source>
            <translation>korkea</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>keski</translation>
        </message>
        <message>
            <source>low</source>
            <translation>matala</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Kuulonsuojaus</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Päällä</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Pois</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Säädä kuulokkeiden ääntä</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Varoitus! Akustisen shokin vaara.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Suurinta äänenvoimakkuutta rajoitetaan.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Taustavalo pois</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Virta pois</translation>
        </message>
        <message>
            <source>never</source>
            <translation>ei koskaan</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Palautus tehdasasetuksiin.
Kaikki asetukset (esim. kieli,
paritetut Bluetooth-laitteet) nollataan.
Tallennettuja mittauksia ei poisteta.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Nollaa</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Palautetaanko tehdasasetukset?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Mykistyspainikkeen tila</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Kytkin</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Painike</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Kesä-/talviaika</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Kesäaika</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Talviaika</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midwaysaaret</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Havaiji</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Tyynenmeren aika</translation>
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
            <translation>Grönlanti</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Keski-Atlantti</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azorit</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Lontoo</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berliini</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Kairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskova</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teheran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dhabi</translation>
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
            <translation>New Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Kathmandu</translation>
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
            <translation>Hongkong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokio</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sydney</translation>
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
            <translation>Järjestelmätiedot</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Ohjelmistoversio</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Sarjanumero</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth-tunnus TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth-tunnus RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Laitteistoversio</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Käyttöjärjestelmä</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Akku</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>tuntematon</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Liitä TKR 9400 tietokoneeseen (PC)
ja napauta Yhdistä-painiketta.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Yhdistä</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Katkaise</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Datamuistia ei voitu liittää.
Käynnistä laite uudelleen.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Virhe</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Datamuisti on käytössä.
Yritä uudelleen.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Virhe</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Mittausten enimmäismäärä saavutettu.
Mittausta ei tallenneta.
Poista vanhoja mittauksia.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Mittausten määrä on lähellä rajaa.
Poista vanhoja mittauksia.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Mittausta ei voitu tallentaa.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Tähän mittaukseen tarvitaan
akustinen anturi.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Huomautus</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varoitus</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Ei Bluetooth-yhteyttä.
Tarkista QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonin vahvistus</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Kuulokkeiden äänenvoimakkuus</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automaattinen suodinasetus</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Ei suodinta</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Varoitus! Akustisen shokin vaara.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Varoitus!
Kova äänenvoimakkuus voi vaurioittaa kuuloa.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Liitä TKR 9400 tietokoneeseen (PC)
ja napauta Yhdistä-painiketta.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Yhdistä</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Katkaise</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Päivitä laiteohjelmisto</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Nykyinen ohjelmisto</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Uusi ohjelmisto</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Ohjelmistoa siirretään</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Tila</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Laitetta päivitetään</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Odota uudelleenkäynnistystä.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Liitä TKR 9400 tietokoneeseen (PC)
ja napauta Yhdistä-painiketta.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Datamuisti on käytössä.
Yritä uudelleen.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Kopioi laiteohjelmiston tiedostot.
Kun kaikki on kopioitu,
napauta Katkaise-painiketta.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Datamuistia ei voitu liittää.
Käynnistä laite uudelleen.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Päivitä TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Päivitä QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Ohjelmistotiedostoa ei voitu lukea.
Yritä uudelleen.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>TKR 9400 päivitetään</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Tiedostoja kopioidaan, odota ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Ohjelmistotiedostoa ei voitu kopioida.
Yritä uudelleen.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>QJ-5:n ohjelmistopäivitys</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Ohjelmistopäivitys valmis.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>TKR 9400:n ohjelmistopäivitys</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Kaikki tiedostot kopioitu.
Odota uudelleenkäynnistystä ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Ohjelmistopäivitys peruttu.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Ohjelmistoa siirretään. Odota ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Virhe ohjelmistopäivityksessä.
Yritä uudelleen.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Ohjelmisto siirretty.
Älä sammuta QJ-5:tä.
Odota uudelleenkäynnistystä.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Ohjelmistopäivitys onnistui.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Päivitysvirhe. Yritä uudelleen.
Bluetooth-laite ei vastannut.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Edellinen sivu</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Päävalikko</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Seuraava sivu</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Takaisin</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Virhe</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Muuta nimeä</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Hyväksy</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Peruuta</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Poista</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogrammi</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Tasomittaus</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Putken haku</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>H2-mittaus</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Pitkäaikaismittaus</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Äänitiedostoa tallennetaan.
Odota ...</translation>
        </message>
    </context>
</TS>
