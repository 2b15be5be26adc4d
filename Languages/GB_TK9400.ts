<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Storing the sound.
Please wait ...</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Connect the TKR 9400 to your PC
and press the button Connect.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Disconnect</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>The data memory could not be mounted.
Please restart the device.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>The data memory is in use.
Please try again.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Search Bluetooth devices</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Found Bluetooth devices</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Enable pairing mode
and press Search-Button.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Searching</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>unknown</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Select device for pairing.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>No devices found.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Pairing device</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Pairing not successful. Please try again.</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Microphone configuration</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Sensor type</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Gain</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Battery state</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Firmware version</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Hardware version</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Muting</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth name</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Reload</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>no sensor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>unknown</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Level measurement</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Show peak level</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Use frequency color for level bar</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Show frequency spectrum</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Show frequency value</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Show filter parameter</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dynamic scaling</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Long-term measurement</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Show grid</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>H2 measurement</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Show histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Show working range</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Pipe locating</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Actions during power on</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Start with favourite dialog</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Start with enabled filters</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Next page</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Day</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Month</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Year</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manual</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Hour</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minute</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Second</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Invalid date</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>This date does not exist. Please correct it.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>high</source>
            <translation>high</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>medium</translation>
        </message>
        <message>
            <source>low</source>
            <translation>low</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatic filter setting</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>No filter</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Connect the TKR 9400 to your PC
and press the button Connect.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Disconnect</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Update the firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Current firmware</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>New firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Transmitting firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Updating device</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Please wait for reboot.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Connect the TKR 9400 to your PC
and press the button Connect.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>The data memory is in use.
Please try again.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Please copy the firmware files.
Press the button Disconnect,
if all files are copied.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>The data memory could not be mounted.
Please restart the device.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Update TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Update QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Could not read firmwarefile.
Please try again.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Updating TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Copying files, please wait ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Could not copy the firmware file.
Please try again.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Firmwareupdate QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Firmwareupdate successfully finished.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Firmwareupdate TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>All files copied.
Please wait for reboot ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Firmware update cancelled.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Transmitting firmware. Please wait ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Error during firmware update.
Please try again.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware successful transmitted.
Don't switch off QJ-5.
Please wait for restart.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Firmwareupdate successful.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Error during update. Please try again.
No answer received from bluetooth device.</translation>
        </message>
    </context>
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS information</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Latitude</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Longitude</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Quality</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Distance measurement</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Reference position</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Current position</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distance</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Satellite information</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satellites</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direction</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Groundspeed</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Satellite information</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Switch coordinate format</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Show NMEA data</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Show GPS position</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Set reference position</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Start monitoring</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Stop monitoring and set the clock</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Delete data</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>You must connect a H2-Sensor
to use this measurement.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Set reference level</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Range</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Store</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Warning! Risk of an acoustic shock.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Warning!
High volumes can lead to hearing damage.</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Hearing protection</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Adjust headphone volume</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Warning! Risk of an acoustic shock.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Maximum volume will be limited.</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>German</translation>
        </message>
        <message>
            <source>French</source>
            <translation>French</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italian</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Spanish</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chinese</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Czech</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Hungarian</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Russian</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovenian</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanese</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polish</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portuguese</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Romanian</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovak</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Swedish</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Suomi</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danish</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norwegian</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgarian</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Croatian</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korean</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbian</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turkish</translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Next page</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Adjust filter</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Store</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Microphone gain</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Play recorded sound</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Stop playing</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Headphone gain</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Stored without sound.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Store</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Analysis time</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Autoscale</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Additional settings</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Adjust filter</translation>
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
            <translation>H2 Sensor</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Level</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Management</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Long-term</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Pipe locating</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Measurements</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Update</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Settings</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Mainmenu</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Edit measurement</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filter measurements</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Next page</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>The measurement could not be renamed.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>The measurement could not be deleted.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>The measurement was removed from the list.
Some of its files will be deleted when the next measurement is saved.</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Change name</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Level measurement</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Pipe locating</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>H2 measurement</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Long-term measurement</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <comment>Max number of measurements reached. Measurement will not be stored. Please delete old measurements.</comment>
            <translation>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <comment>Number of measurements near limit. Please delete old measurements.</comment>
            <translation>Number of measurements near limit.
Please delete old measurements.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Measurement could not be stored.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>You must connect an acoustical sensor
to use this measurement.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Remark</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>No bluetooth connection.
Please check your QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
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
            <translation>Main menu</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Autoscale</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Delete last level</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Additional settings</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Store</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Adjust filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Play audio data</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Stop playing</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Play next position</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Stored without the sound
of point %1.</numerusform>
                <numerusform>Stored without the sound
of points %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Adjust filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Store</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Backlight off</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Power off</translation>
        </message>
        <message>
            <source>never</source>
            <translation>never</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Mainmenu</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Set reference level</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Range</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Headphone volume</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Store</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MAX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MIN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>AVG = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>DEV = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ACT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Reset to delivery state.
All settings (e.g. language,
paired bluetooth devices) will be reseted.
Stored measurements will not be deleted.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Do you really want to reset all settings?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Mode of muting button</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Switch</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Pushbutton</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Daylight saving time</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Summer time</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Winter time</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midway Islands</translation>
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
            <translation>Pacific</translation>
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
            <translation>Greenland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Middle Atlantic</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azores</translation>
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
            <translation>Cairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moscow</translation>
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
            <translation>Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Nowosibirsk</translation>
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
            <translation>Fiji</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>The battery is very low. Please recharge.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>The sensor could not be detected.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Battery voltage of QJ-5 is very low.
Please recharge.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>System information</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Firmware version</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Serialnumber</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth Id TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth Id RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Hardware version</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operating system</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Battery</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>unknown</translation>
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
            <translation>Screenshot</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Level measurement</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Long-term measurement</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2 sensor</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Pipe locating</translation>
        </message>
        <message>
            <source>never</source>
            <translation>never</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Next page</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Muting</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Hearing protection</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Customize</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>different values</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Paired headphone</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Paired microphone</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Power saving</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Favourite button</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>System information</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Time zone</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Daylight saving time</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Switch</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Pushbutton</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>low</source>
            <translation>low</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>medium</translation>
        </message>
        <message>
            <source>high</source>
            <translation>high</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Summer time</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Winter time</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>The setting could not be stored.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Next page</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
    </context>
</TS>
