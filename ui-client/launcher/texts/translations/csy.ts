<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last upload:</source>
        <extracomment>Used by: main_desc_last_upload</extracomment>
        <translation>Poslední nahrání:</translation>
    </message>
    <message>
        <source>Skip files whose names begin with %1</source>
        <extracomment>Used by: setting_filter_point_prefix</extracomment>
        <translation>Přeskočit soubory, jejichž názvy začínají na %1</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>Used by: msg_checkpass</extracomment>
        <translation>Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Orvanta Backup</source>
        <extracomment>Used by: app_name</extracomment>
        <translation>Orvanta Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is not valid.</source>
        <extracomment>Used by: err_autoconn_invalidid</extracomment>
        <translation>ID automatického připojení není platné.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <extracomment>Used by: wizard_invalid_sync_folder_warning</extracomment>
        <translation>Vybranou složku nelze zálohovat. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <extracomment>Used by: wizard_connection_desc</extracomment>
        <translation>Zadejte adresu zálohovacího serveru a účet, pod kterým se chcete přihlásit.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>Used by: connection_username</extracomment>
        <translation>Uživatelské jméno:</translation>
    </message>
    <message>
        <source>The backup direction of this folder does not match the setting on the server.</source>
        <extracomment>Used by: err_sync_direction_mismatch</extracomment>
        <translation>Směr zálohování této složky neodpovídá nastavení na serveru.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>Used by: connection_enter_otp</extracomment>
        <translation>Zadejte ověřovací kód z ověřovací aplikace:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>Used by: msg_share_quotafull</extracomment>
        <translation>Sdílená složka na serveru dosáhla své kvóty.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <extracomment>Used by: err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Certifikát SSL serveru nelze ověřit.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>Used by: setting_tab_connection</extracomment>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>Used by: btn_proxy, setting_tab_proxy</extracomment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Used by: btn_done</extracomment>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Used by: tray_exit</extracomment>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <extracomment>Used by: backup_chooser_desc</extracomment>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>Used by: main_queue_completed</extracomment>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>The identity of the server has changed since the last connection.</source>
        <extracomment>Used by: err_hx_change</extracomment>
        <translation>Identita serveru se od posledního připojení změnila.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>Used by: err_local_sync_folder_miss</extracomment>
        <translation>Místní zálohovanou složku nelze najít.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>Used by: connection_server</extracomment>
        <translation>Adresa serveru:</translation>
    </message>
    <message>
        <source>Need help? Open the online help for set-up instructions.</source>
        <extracomment>Used by: wizard_welcome_help</extracomment>
        <translation>Potřebujete pomoc? Pokyny k nastavení najdete v online nápovědě.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Used by: btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database could not be opened or is damaged.</source>
        <extracomment>Used by: err_database</extracomment>
        <translation>Místní databázi nelze otevřít nebo je poškozená.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>Used by: wizard_welcome_slogan</extracomment>
        <translation>Vaše soubory, bezpečně zálohované.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <extracomment>Used by: setting_option_use_black_white_icon</extracomment>
        <translation>Použít černobílou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>Used by: err_share_not_mounted</extracomment>
        <translation>Sdílená složka na serveru není připojena.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Used by: main_queue_column_progress</extracomment>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Open Orvanta Backup</source>
        <extracomment>Used by: tray_main_app</extracomment>
        <translation>Otevřít aplikaci Orvanta Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>Used by: err_proto</extracomment>
        <translation>Server odeslal nesrozumitelnou odpověď.</translation>
    </message>
    <message>
        <source>The backup folder is on a drive that is not mounted.</source>
        <extracomment>Used by: err_syncfolder_not_mounted</extracomment>
        <translation>Zálohovaná složka je na jednotce, která není připojena.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>Used by: btn_unlink</extracomment>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>Used by: err_diskfull</extracomment>
        <translation>Na místním disku není dostatek volného místa.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>Used by: err_user_home_disabled</extracomment>
        <translation>Služba domovských složek je pro váš účet na serveru zakázána.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>Used by: main_status_uptodate</extracomment>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>The disk of the selected folder is full. Please free some space or choose another folder.</source>
        <extracomment>Used by: wizard_diskfull_sync_folder_warning</extracomment>
        <translation>Disk vybrané složky je plný. Uvolněte místo nebo vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Orvanta Backup version %1</source>
        <extracomment>Used by: msg_about</extracomment>
        <translation>Orvanta Backup verze %1</translation>
    </message>
    <message>
        <source>Failed to back up %1.</source>
        <extracomment>Used by: err_backup_fail</extracomment>
        <translation>Zálohování se nezdařilo: %1.</translation>
    </message>
    <message>
        <source>Local path</source>
        <extracomment>Used by: wizard_summary_table_path</extracomment>
        <translation>Místní cesta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>Used by: setting_proxy_manual</extracomment>
        <translation>Ruční nastavení proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>Used by: wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>Used by: err_otp_required</extracomment>
        <translation>K přihlášení je vyžadován ověřovací kód.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups stop until you connect again.</source>
        <extracomment>Used by: connection_unlink_confirm</extracomment>
        <translation>Odpojit tento počítač od serveru? Zálohování se zastaví, dokud se znovu nepřipojíte.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>Used by: btn_resume</extracomment>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Used by: setting_proxy_password, connection_password</extracomment>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Orvanta Backup is initializing...</source>
        <extracomment>Used by: desc_orvt_env_preparing</extracomment>
        <translation>Inicializace aplikace Orvanta Backup...</translation>
    </message>
    <message>
        <source>No folder has been selected.</source>
        <extracomment>Used by: backup_chooser_no_folder_selected</extracomment>
        <translation>Nebyla vybrána žádná složka.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>Used by: setting_proxy_sys_proxy</extracomment>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Used by: btn_wizard_readonly_no</extracomment>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>Used by: setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Místní složky</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Used by: main_queue_column_file</extracomment>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_empty_username</extracomment>
        <translation>Zadejte uživatelské jméno pro proxy server.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Used by: setting_tab_filter</extracomment>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Do you trust the new certificate?</source>
        <extracomment>Used by: msg_ssl_change</extracomment>
        <translation>Certifikát SSL serveru se změnil. Důvěřujete novému certifikátu?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>Used by: connection_unlinking</extracomment>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>Used by: connection_ssl</extracomment>
        <translation>Použít zabezpečené připojení (SSL)</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Used by: version</extracomment>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>Used by: main_queue_title</extracomment>
        <translation>Fronta přenosů</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Used by: btn_pause</extracomment>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>Used by: wizard_source_readonly_warning</extracomment>
        <translation>Zdrojová složka je jen pro čtení. Její soubory lze zálohovat, ale nelze je do ní obnovit.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>Used by: read_only_tooltip</extracomment>
        <translation>Tato složka je jen pro čtení.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Used by: msg_error</extracomment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Used by: main_status_pause</extracomment>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>Used by: tray_upgrade</extracomment>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>The language changes to %1 after Orvanta Backup restarts.</source>
        <extracomment>Used by: setting_option_language_restart</extracomment>
        <translation>Nový jazyk (%1) se použije po restartování aplikace Orvanta Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>Used by: setting_proxy_err_invalid_port</extracomment>
        <translation>Port proxy serveru musí být číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>Used by: main_queue_uploading</extracomment>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <extracomment>Used by: wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>Certifikát SSL serveru se změnil.</translation>
    </message>
    <message>
        <source>Connections from your IP address are not allowed by the server.</source>
        <extracomment>Used by: err_ip_not_allowed</extracomment>
        <translation>Server nepovoluje připojení z vaší IP adresy.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>Used by: msg_test_connect</extracomment>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>Used by: msg_ssl_error</extracomment>
        <translation>Zabezpečené připojení k serveru nelze navázat.</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>Used by: btn_no_need</extracomment>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>Used by: setting_proxy_port</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your backup server</source>
        <extracomment>Used by: wizard_connection_title</extracomment>
        <translation>Připojení k zálohovacímu serveru</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <extracomment>Used by: err_otp_invalid</extracomment>
        <translation>Ověřovací kód není platný.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Used by: btn_select</extracomment>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>A backup with this name already exists on the server. Please choose another name.</source>
        <extracomment>Used by: wizard_share_name_duplicate_warning</extracomment>
        <translation>Záloha s tímto názvem na serveru již existuje. Zvolte jiný název.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <extracomment>Used by: wizard_welcome_info</extracomment>
        <translation>Tento průvodce vám pomůže nastavit první úlohu zálohování.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>Used by: main_status_connecting</extracomment>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Sharing is enabled</source>
        <extracomment>Used by: share_enabled</extracomment>
        <translation>Sdílení je povoleno</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Used by: tray_about</extracomment>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>Used by: wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Nemáte oprávnění k přístupu do vybrané složky.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>Used by: err_quotafull</extracomment>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <extracomment>Used by: setting_filter_table_editor_tooltip</extracomment>
        <translation>Dvojitým kliknutím položku upravíte.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Used by: btn_continue</extracomment>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>Used by: setting_filter_max_size</extracomment>
        <translation>Maximální velikost souboru (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>Used by: main_status_syncing</extracomment>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Free some space on the server or choose another one.</source>
        <extracomment>Used by: wizard_quotafull_sync_folder_warning</extracomment>
        <translation>Kvóta cíle je vyčerpána. Uvolněte místo na serveru nebo vyberte jiný cíl.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>Used by: err_max_tries</extracomment>
        <translation>Příliš mnoho neúspěšných pokusů. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>A size of 0 means no limit.</source>
        <extracomment>Used by: setting_filter_zero_desc</extracomment>
        <translation>Velikost 0 znamená bez omezení.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>Used by: err_abnormal</extracomment>
        <translation>Došlo k neočekávané chybě.</translation>
    </message>
    <message>
        <source>Orvanta Backup could not be started.</source>
        <extracomment>Used by: err_init_failed</extracomment>
        <translation>Aplikaci Orvanta Backup nelze spustit.</translation>
    </message>
    <message>
        <source>The server does not match the one this backup task was created for.</source>
        <extracomment>Used by: err_hx_not_match</extracomment>
        <translation>Nejde o server, pro který byla tato úloha zálohování vytvořena.</translation>
    </message>
    <message>
        <source>Select a destination folder on the server.</source>
        <extracomment>Used by: treedialog_server_desc</extracomment>
        <translation>Vyberte cílovou složku na serveru.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>Used by: msg_test_username_fail</extracomment>
        <translation>Uživatelské jméno nebo heslo je nesprávné.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>Used by: setting_option_language_title</extracomment>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>Used by: setting_option_language_default</extracomment>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <extracomment>Used by: btn_ssl_continue</extracomment>
        <translation>Důvěřovat a pokračovat</translation>
    </message>
    <message>
        <source>Choose a folder on this computer and the destination folder on the server.</source>
        <extracomment>Used by: wizard_setsyncfolder_desc</extracomment>
        <translation>Vyberte složku v tomto počítači a cílovou složku na serveru.</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <extracomment>Used by: err_otp_enforced</extracomment>
        <translation>Správce pro váš účet vyžaduje dvoufázové ověření.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Used by: btn_next</extracomment>
        <translation>Další</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Used by: btn_apply</extracomment>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_ipport_empty</extracomment>
        <translation>Zadejte adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>Used by: wizard_user_disable_sync_folder_warning</extracomment>
        <translation>Váš účet je na serveru zakázán.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another backup task.</source>
        <extracomment>Used by: wizard_conflict_backup_warning</extracomment>
        <translation>Tuto složku již zálohuje jiná úloha zálohování.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>Used by: err_no_valid_folder</extracomment>
        <translation>Není k dispozici žádná platná složka k zálohování.</translation>
    </message>
    <message>
        <source>Waiting for file lock</source>
        <extracomment>Used by: main_queue_locking</extracomment>
        <translation>Čekání na uvolnění zámku souboru</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>Used by: setting_proxy_no_proxy</extracomment>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Used by: tray_help</extracomment>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <extracomment>Used by: err_version_server</extracomment>
        <translation>Verze serveru je pro tohoto klienta příliš stará. Aktualizujte server.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <extracomment>Used by: treedialog_pc_title</extracomment>
        <translation>Vyberte složku v tomto počítači</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>Used by: setting_filter_size_limit_tooltip</extracomment>
        <translation>Soubory větší než tato velikost se nezálohují.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>Used by: setting_filter_ignore_local_delete</extracomment>
        <translation>Ponechat soubory na serveru, když jsou smazány místně</translation>
    </message>
    <message>
        <source>The network connection failed. Please check your network and try again.</source>
        <extracomment>Used by: err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>Síťové připojení selhalo. Zkontrolujte síť a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Used by: main_queue_column_status</extracomment>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>Used by: backup_chooser_choose_source</extracomment>
        <translation>Vyberte zdrojové složky</translation>
    </message>
    <message>
        <source>Back up a read-only folder? Its files are copied to the server; nothing is written back.</source>
        <extracomment>Used by: wizard_readonly_backup_desc</extracomment>
        <translation>Zálohovat složku jen pro čtení? Její soubory se zkopírují na server; zpět se nic nezapíše.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>Used by: setting_proxy_ip</extracomment>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>Used by: title_ssl_warning</extracomment>
        <translation>Upozornění zabezpečení</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>Used by: main_queue_waiting</extracomment>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <extracomment>Used by: msg_download_downloading</extracomment>
        <translation>Stahování...</translation>
    </message>
    <message>
        <source>Back up the folders of this computer to your server automatically.</source>
        <extracomment>Used by: wizard_welcome_desc</extracomment>
        <translation>Automaticky zálohujte složky tohoto počítače na svůj server.</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>Used by: setting_proxy_username</extracomment>
        <translation>Uživatelské jméno pro proxy:</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <extracomment>Used by: connection_use_farlink</extracomment>
        <translation>Připojit přes zprostředkovací službu</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>Used by: wizard_summary_table_account</extracomment>
        <translation>Účet</translation>
    </message>
    <message>
        <source>A system error occurred: %1</source>
        <extracomment>Used by: wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>Došlo k systémové chybě: %1</translation>
    </message>
    <message>
        <source>The destination shared folder does not exist on the server.</source>
        <extracomment>Used by: wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>Cílová sdílená složka na serveru neexistuje.</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>Used by: wizard_summary_title</extracomment>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>Used by: main_queue_preparing</extracomment>
        <translation>Příprava</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Used by: setting_tab_option</extracomment>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>You only have read access to the destination folder on the server.</source>
        <extracomment>Used by: wizard_readonly_sync_folder_warning</extracomment>
        <translation>K cílové složce na serveru máte pouze oprávnění ke čtení.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <extracomment>Used by: main_status_error</extracomment>
        <translation>Chyba zálohování</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <extracomment>Used by: tray_click_to_update</extracomment>
        <translation>Je k dispozici nová verze. Kliknutím sem ji aktualizujete.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>Used by: read_only</extracomment>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>Automatic connection is disabled by your administrator.</source>
        <extracomment>Used by: err_autoconn_ctrl</extracomment>
        <translation>Automatické připojení zakázal správce.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder of another backup task.</source>
        <extracomment>Used by: wizard_conflict_sync_folder_warning</extracomment>
        <translation>Vybraná složka se překrývá se složkou jiné úlohy zálohování.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>Used by: btn_advanced</extracomment>
        <translation>Upřesnit</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>Used by: main_desc_processing_count</extracomment>
        <translation>Zpracování souborů: %1...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>Used by: wizard_summary_table_except_path</extracomment>
        <translation>Vyloučené cesty</translation>
    </message>
    <message>
        <source>You do not have permission to use this shared folder.</source>
        <extracomment>Used by: err_share_perm</extracomment>
        <translation>Nemáte oprávnění používat tuto sdílenou složku.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>Used by: setting_filter_table_desc</extracomment>
        <translation>Soubory s těmito příponami se nezálohují:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>Used by: err_auth</extracomment>
        <translation>Ověření selhalo.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Used by: btn_settings</extracomment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>The upgrade failed. Please install Orvanta Backup again.</source>
        <extracomment>Used by: upgrade_failed</extracomment>
        <translation>Aktualizace se nezdařila. Nainstalujte aplikaci Orvanta Backup znovu.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <extracomment>Used by: local_hx_search</extracomment>
        <translation>Vyhledávání serverů v místní síti...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Used by: btn_back</extracomment>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>Used by: main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>Used by: btn_start_now</extracomment>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <extracomment>Used by: main_desc_processing_file</extracomment>
        <translation>Zpracování: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>Used by: setting_proxy_auth</extracomment>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>Used by: wizard_summary_table_server</extracomment>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <extracomment>Used by: wizard_setsyncfolder_title</extracomment>
        <translation>Výběr složek</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <extracomment>Used by: err_create_session_fail</extracomment>
        <translation>Na serveru nelze vytvořit relaci.</translation>
    </message>
    <message>
        <source>Orvanta Backup is ready.</source>
        <extracomment>Used by: desc_orvt_env_preparation_done</extracomment>
        <translation>Aplikace Orvanta Backup je připravena.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Used by: btn_cancel</extracomment>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>This version of Orvanta Backup is too old for the server. Please upgrade it.</source>
        <extracomment>Used by: err_version_client</extracomment>
        <translation>Tato verze aplikace Orvanta Backup je pro server příliš stará. Aktualizujte ji.</translation>
    </message>
    <message>
        <source>File extensions</source>
        <extracomment>Used by: setting_filter_table_title</extracomment>
        <translation>Přípony souborů</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>Used by: manage_setting_applying</extracomment>
        <translation>Aplikování nastavení...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>Used by: tray_updating</extracomment>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Find servers on your local network</source>
        <extracomment>Used by: wizard_find_local_hx_tooltip</extracomment>
        <translation>Najít servery v místní síti</translation>
    </message>
    <message>
        <source>Start Orvanta Backup when I log in</source>
        <extracomment>Used by: setting_option_start_upon_login</extracomment>
        <translation>Spustit aplikaci Orvanta Backup po přihlášení</translation>
    </message>
    <message>
        <source>Check the settings below and click Done to start the backup.</source>
        <extracomment>Used by: wizard_summary_desc</extracomment>
        <translation>Zkontrolujte níže uvedená nastavení a kliknutím na „Dokončit“ spusťte zálohování.</translation>
    </message>
    <message>
        <source>Your sign-in was revoked and the saved credentials were removed. Please sign in again.</source>
        <extracomment>Used by: err_auth_wipe</extracomment>
        <translation>Vaše přihlášení bylo zrušeno a uložené přihlašovací údaje byly odstraněny. Přihlaste se znovu.</translation>
    </message>
</context>
</TS>
