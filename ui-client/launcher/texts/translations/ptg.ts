<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last upload:</source>
        <extracomment>Used by: main_desc_last_upload</extracomment>
        <translation>Último envio:</translation>
    </message>
    <message>
        <source>Skip files whose names begin with %1</source>
        <extracomment>Used by: setting_filter_point_prefix</extracomment>
        <translation>Ignorar ficheiros cujo nome começa por %1</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>Used by: msg_checkpass</extracomment>
        <translation>Verifique o nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>Orvanta Backup</source>
        <extracomment>Used by: app_name</extracomment>
        <translation>Orvanta Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is not valid.</source>
        <extracomment>Used by: err_autoconn_invalidid</extracomment>
        <translation>O ID de ligação automática não é válido.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <extracomment>Used by: wizard_invalid_sync_folder_warning</extracomment>
        <translation>Não é possível fazer a cópia de segurança da pasta selecionada. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <extracomment>Used by: wizard_connection_desc</extracomment>
        <translation>Introduza o endereço do seu servidor de cópias de segurança e a conta com que pretende iniciar sessão.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>Used by: connection_username</extracomment>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>The backup direction of this folder does not match the setting on the server.</source>
        <extracomment>Used by: err_sync_direction_mismatch</extracomment>
        <translation>O sentido da cópia de segurança desta pasta não corresponde à definição no servidor.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>Used by: connection_enter_otp</extracomment>
        <translation>Introduza o código de verificação da sua aplicação de autenticação:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>Used by: msg_share_quotafull</extracomment>
        <translation>A pasta partilhada no servidor atingiu a quota.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <extracomment>Used by: err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Não foi possível verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>Used by: setting_tab_connection</extracomment>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>Used by: btn_proxy, setting_tab_proxy</extracomment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Used by: btn_done</extracomment>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Used by: tray_exit</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <extracomment>Used by: backup_chooser_desc</extracomment>
        <translation>Escolha as pastas deste computador de que pretende fazer cópia de segurança.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>Used by: main_queue_completed</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The identity of the server has changed since the last connection.</source>
        <extracomment>Used by: err_hx_change</extracomment>
        <translation>A identidade do servidor mudou desde a última ligação.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>Used by: err_local_sync_folder_miss</extracomment>
        <translation>Não é possível encontrar a pasta local da cópia de segurança.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>Used by: connection_server</extracomment>
        <translation>Endereço do servidor:</translation>
    </message>
    <message>
        <source>Need help? Open the online help for set-up instructions.</source>
        <extracomment>Used by: wizard_welcome_help</extracomment>
        <translation>Precisa de ajuda? Abra a ajuda online para ver as instruções de configuração.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Used by: btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database could not be opened or is damaged.</source>
        <extracomment>Used by: err_database</extracomment>
        <translation>Não foi possível abrir a base de dados local ou esta está danificada.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>Used by: wizard_welcome_slogan</extracomment>
        <translation>Os seus ficheiros, guardados em segurança.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <extracomment>Used by: setting_option_use_black_white_icon</extracomment>
        <translation>Utilizar um ícone a preto e branco na área de notificação</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>Used by: err_share_not_mounted</extracomment>
        <translation>A pasta partilhada no servidor não está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Used by: main_queue_column_progress</extracomment>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Orvanta Backup</source>
        <extracomment>Used by: tray_main_app</extracomment>
        <translation>Abrir o Orvanta Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>Used by: err_proto</extracomment>
        <translation>O servidor enviou uma resposta que não foi possível interpretar.</translation>
    </message>
    <message>
        <source>The backup folder is on a drive that is not mounted.</source>
        <extracomment>Used by: err_syncfolder_not_mounted</extracomment>
        <translation>A pasta da cópia de segurança está numa unidade que não está montada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>Used by: btn_unlink</extracomment>
        <translation>Desassociar</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>Used by: err_diskfull</extracomment>
        <translation>Não há espaço livre suficiente no disco local.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>Used by: err_user_home_disabled</extracomment>
        <translation>O serviço de pasta pessoal está desativado para a sua conta no servidor.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>Used by: main_status_uptodate</extracomment>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>The disk of the selected folder is full. Please free some space or choose another folder.</source>
        <extracomment>Used by: wizard_diskfull_sync_folder_warning</extracomment>
        <translation>O disco da pasta selecionada está cheio. Liberte algum espaço ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>Orvanta Backup version %1</source>
        <extracomment>Used by: msg_about</extracomment>
        <translation>Orvanta Backup versão %1</translation>
    </message>
    <message>
        <source>Failed to back up %1.</source>
        <extracomment>Used by: err_backup_fail</extracomment>
        <translation>Falha ao fazer a cópia de segurança de %1.</translation>
    </message>
    <message>
        <source>Local path</source>
        <extracomment>Used by: wizard_summary_table_path</extracomment>
        <translation>Caminho local</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>Used by: setting_proxy_manual</extracomment>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>Used by: wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>Used by: err_otp_required</extracomment>
        <translation>É necessário um código de verificação para iniciar sessão.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups stop until you connect again.</source>
        <extracomment>Used by: connection_unlink_confirm</extracomment>
        <translation>Desassociar este computador do servidor? As cópias de segurança param até voltar a ligar-se.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>Used by: btn_resume</extracomment>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Used by: setting_proxy_password, connection_password</extracomment>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Orvanta Backup is initializing...</source>
        <extracomment>Used by: desc_orvt_env_preparing</extracomment>
        <translation>A inicializar o Orvanta Backup...</translation>
    </message>
    <message>
        <source>No folder has been selected.</source>
        <extracomment>Used by: backup_chooser_no_folder_selected</extracomment>
        <translation>Não foi selecionada nenhuma pasta.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>Used by: setting_proxy_sys_proxy</extracomment>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Used by: btn_wizard_readonly_no</extracomment>
        <translation>Não</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>Used by: setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Pastas locais</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Used by: main_queue_column_file</extracomment>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_empty_username</extracomment>
        <translation>Introduza um nome de utilizador para o servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Used by: setting_tab_filter</extracomment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Do you trust the new certificate?</source>
        <extracomment>Used by: msg_ssl_change</extracomment>
        <translation>O certificado SSL do servidor foi alterado. Confia no novo certificado?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>Used by: connection_unlinking</extracomment>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>Used by: connection_ssl</extracomment>
        <translation>Utilizar uma ligação segura (SSL)</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Used by: version</extracomment>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>Used by: main_queue_title</extracomment>
        <translation>Fila de transferências</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Used by: btn_pause</extracomment>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>Used by: wizard_source_readonly_warning</extracomment>
        <translation>A pasta de origem é só de leitura. É possível fazer cópia de segurança dos ficheiros, mas não restaurá-los para esta pasta.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>Used by: read_only_tooltip</extracomment>
        <translation>Esta pasta é só de leitura.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Used by: msg_error</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Used by: main_status_pause</extracomment>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>Used by: tray_upgrade</extracomment>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>The language changes to %1 after Orvanta Backup restarts.</source>
        <extracomment>Used by: setting_option_language_restart</extracomment>
        <translation>O idioma muda para %1 depois de o Orvanta Backup ser reiniciado.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>Used by: setting_proxy_err_invalid_port</extracomment>
        <translation>A porta do proxy tem de ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>Used by: main_queue_uploading</extracomment>
        <translation>A enviar</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <extracomment>Used by: wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>O certificado SSL do servidor foi alterado.</translation>
    </message>
    <message>
        <source>Connections from your IP address are not allowed by the server.</source>
        <extracomment>Used by: err_ip_not_allowed</extracomment>
        <translation>O servidor não permite ligações a partir do seu endereço IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>Used by: msg_test_connect</extracomment>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>Used by: msg_ssl_error</extracomment>
        <translation>Não foi possível estabelecer uma ligação segura ao servidor.</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>Used by: btn_no_need</extracomment>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>Used by: setting_proxy_port</extracomment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Connect to your backup server</source>
        <extracomment>Used by: wizard_connection_title</extracomment>
        <translation>Ligar ao seu servidor de cópias de segurança</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <extracomment>Used by: err_otp_invalid</extracomment>
        <translation>O código de verificação não é válido.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Used by: btn_select</extracomment>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>A backup with this name already exists on the server. Please choose another name.</source>
        <extracomment>Used by: wizard_share_name_duplicate_warning</extracomment>
        <translation>Já existe uma cópia de segurança com este nome no servidor. Escolha outro nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <extracomment>Used by: wizard_welcome_info</extracomment>
        <translation>Este assistente ajuda-o a configurar a sua primeira tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>Used by: main_status_connecting</extracomment>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>Sharing is enabled</source>
        <extracomment>Used by: share_enabled</extracomment>
        <translation>A partilha está ativada</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Used by: tray_about</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>Used by: wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Não tem permissão para aceder à pasta selecionada.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>Used by: err_quotafull</extracomment>
        <translation>A sua quota de armazenamento no servidor está esgotada.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <extracomment>Used by: setting_filter_table_editor_tooltip</extracomment>
        <translation>Faça duplo clique numa entrada para a editar.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Used by: btn_continue</extracomment>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>Used by: setting_filter_max_size</extracomment>
        <translation>Tamanho máximo de ficheiro (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>Used by: main_status_syncing</extracomment>
        <translation>A fazer cópia de segurança...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Free some space on the server or choose another one.</source>
        <extracomment>Used by: wizard_quotafull_sync_folder_warning</extracomment>
        <translation>O destino não tem quota disponível. Liberte algum espaço no servidor ou escolha outro destino.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>Used by: err_max_tries</extracomment>
        <translation>Demasiadas tentativas falhadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>A size of 0 means no limit.</source>
        <extracomment>Used by: setting_filter_zero_desc</extracomment>
        <translation>Um tamanho de 0 significa sem limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>Used by: err_abnormal</extracomment>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Orvanta Backup could not be started.</source>
        <extracomment>Used by: err_init_failed</extracomment>
        <translation>Não foi possível iniciar o Orvanta Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this backup task was created for.</source>
        <extracomment>Used by: err_hx_not_match</extracomment>
        <translation>O servidor não corresponde àquele para o qual esta tarefa de cópia de segurança foi criada.</translation>
    </message>
    <message>
        <source>Select a destination folder on the server.</source>
        <extracomment>Used by: treedialog_server_desc</extracomment>
        <translation>Selecione uma pasta de destino no servidor.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>Used by: msg_test_username_fail</extracomment>
        <translation>O nome de utilizador ou a palavra-passe estão incorretos.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>Used by: setting_option_language_title</extracomment>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>Used by: setting_option_language_default</extracomment>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <extracomment>Used by: btn_ssl_continue</extracomment>
        <translation>Confiar e continuar</translation>
    </message>
    <message>
        <source>Choose a folder on this computer and the destination folder on the server.</source>
        <extracomment>Used by: wizard_setsyncfolder_desc</extracomment>
        <translation>Escolha uma pasta neste computador e a pasta de destino no servidor.</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <extracomment>Used by: err_otp_enforced</extracomment>
        <translation>O seu administrador exige a verificação em dois passos para a sua conta.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Used by: btn_next</extracomment>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Used by: btn_apply</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_ipport_empty</extracomment>
        <translation>Introduza o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>Used by: wizard_user_disable_sync_folder_warning</extracomment>
        <translation>A sua conta está desativada no servidor.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another backup task.</source>
        <extracomment>Used by: wizard_conflict_backup_warning</extracomment>
        <translation>Esta pasta já está incluída noutra tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>Used by: err_no_valid_folder</extracomment>
        <translation>Não existe nenhuma pasta válida para fazer cópia de segurança.</translation>
    </message>
    <message>
        <source>Waiting for file lock</source>
        <extracomment>Used by: main_queue_locking</extracomment>
        <translation>A aguardar o bloqueio do ficheiro</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>Used by: setting_proxy_no_proxy</extracomment>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Used by: tray_help</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <extracomment>Used by: err_version_server</extracomment>
        <translation>A versão do servidor é demasiado antiga para este cliente. Atualize o servidor.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <extracomment>Used by: treedialog_pc_title</extracomment>
        <translation>Selecione uma pasta neste computador</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>Used by: setting_filter_size_limit_tooltip</extracomment>
        <translation>Os ficheiros maiores do que este tamanho não são incluídos na cópia de segurança.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>Used by: setting_filter_ignore_local_delete</extracomment>
        <translation>Manter os ficheiros no servidor quando forem eliminados localmente</translation>
    </message>
    <message>
        <source>The network connection failed. Please check your network and try again.</source>
        <extracomment>Used by: err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>A ligação de rede falhou. Verifique a sua rede e tente novamente.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Used by: main_queue_column_status</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>Used by: backup_chooser_choose_source</extracomment>
        <translation>Escolher pastas de origem</translation>
    </message>
    <message>
        <source>Back up a read-only folder? Its files are copied to the server; nothing is written back.</source>
        <extracomment>Used by: wizard_readonly_backup_desc</extracomment>
        <translation>Fazer cópia de segurança de uma pasta só de leitura? Os ficheiros são copiados para o servidor; nada é escrito de volta.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>Used by: setting_proxy_ip</extracomment>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>Used by: title_ssl_warning</extracomment>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>Used by: main_queue_waiting</extracomment>
        <translation>A aguardar</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <extracomment>Used by: msg_download_downloading</extracomment>
        <translation>A transferir...</translation>
    </message>
    <message>
        <source>Back up the folders of this computer to your server automatically.</source>
        <extracomment>Used by: wizard_welcome_desc</extracomment>
        <translation>Faça automaticamente cópias de segurança das pastas deste computador para o seu servidor.</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>Used by: setting_proxy_username</extracomment>
        <translation>Nome de utilizador do proxy:</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <extracomment>Used by: connection_use_farlink</extracomment>
        <translation>Ligar através do serviço de retransmissão</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>Used by: wizard_summary_table_account</extracomment>
        <translation>Conta</translation>
    </message>
    <message>
        <source>A system error occurred: %1</source>
        <extracomment>Used by: wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>Ocorreu um erro do sistema: %1</translation>
    </message>
    <message>
        <source>The destination shared folder does not exist on the server.</source>
        <extracomment>Used by: wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>A pasta partilhada de destino não existe no servidor.</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>Used by: wizard_summary_title</extracomment>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>Used by: main_queue_preparing</extracomment>
        <translation>A preparar</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Used by: setting_tab_option</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>You only have read access to the destination folder on the server.</source>
        <extracomment>Used by: wizard_readonly_sync_folder_warning</extracomment>
        <translation>Só tem acesso de leitura à pasta de destino no servidor.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <extracomment>Used by: main_status_error</extracomment>
        <translation>Erro na cópia de segurança</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <extracomment>Used by: tray_click_to_update</extracomment>
        <translation>Está disponível uma nova versão. Clique aqui para atualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>Used by: read_only</extracomment>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>Automatic connection is disabled by your administrator.</source>
        <extracomment>Used by: err_autoconn_ctrl</extracomment>
        <translation>A ligação automática foi desativada pelo seu administrador.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder of another backup task.</source>
        <extracomment>Used by: wizard_conflict_sync_folder_warning</extracomment>
        <translation>A pasta selecionada sobrepõe-se a uma pasta de outra tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>Used by: btn_advanced</extracomment>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>Used by: main_desc_processing_count</extracomment>
        <translation>A processar %1 ficheiro(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>Used by: wizard_summary_table_except_path</extracomment>
        <translation>Caminhos excluídos</translation>
    </message>
    <message>
        <source>You do not have permission to use this shared folder.</source>
        <extracomment>Used by: err_share_perm</extracomment>
        <translation>Não tem permissão para utilizar esta pasta partilhada.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>Used by: setting_filter_table_desc</extracomment>
        <translation>Os ficheiros com estas extensões não são incluídos na cópia de segurança:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>Used by: err_auth</extracomment>
        <translation>A autenticação falhou.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Used by: btn_settings</extracomment>
        <translation>Definições</translation>
    </message>
    <message>
        <source>The upgrade failed. Please install Orvanta Backup again.</source>
        <extracomment>Used by: upgrade_failed</extracomment>
        <translation>A atualização falhou. Instale novamente o Orvanta Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <extracomment>Used by: local_hx_search</extracomment>
        <translation>A procurar servidores na rede local...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Used by: btn_back</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>Used by: main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>Used by: btn_start_now</extracomment>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <extracomment>Used by: main_desc_processing_file</extracomment>
        <translation>A processar %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>Used by: setting_proxy_auth</extracomment>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>Used by: wizard_summary_table_server</extracomment>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <extracomment>Used by: wizard_setsyncfolder_title</extracomment>
        <translation>Escolher pastas</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <extracomment>Used by: err_create_session_fail</extracomment>
        <translation>Não foi possível criar uma sessão no servidor.</translation>
    </message>
    <message>
        <source>Orvanta Backup is ready.</source>
        <extracomment>Used by: desc_orvt_env_preparation_done</extracomment>
        <translation>O Orvanta Backup está pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Used by: btn_cancel</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Orvanta Backup is too old for the server. Please upgrade it.</source>
        <extracomment>Used by: err_version_client</extracomment>
        <translation>Esta versão do Orvanta Backup é demasiado antiga para o servidor. Atualize o Orvanta Backup.</translation>
    </message>
    <message>
        <source>File extensions</source>
        <extracomment>Used by: setting_filter_table_title</extracomment>
        <translation>Extensões de ficheiro</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>Used by: manage_setting_applying</extracomment>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>Used by: tray_updating</extracomment>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Find servers on your local network</source>
        <extracomment>Used by: wizard_find_local_hx_tooltip</extracomment>
        <translation>Procurar servidores na sua rede local</translation>
    </message>
    <message>
        <source>Start Orvanta Backup when I log in</source>
        <extracomment>Used by: setting_option_start_upon_login</extracomment>
        <translation>Iniciar o Orvanta Backup ao iniciar sessão</translation>
    </message>
    <message>
        <source>Check the settings below and click Done to start the backup.</source>
        <extracomment>Used by: wizard_summary_desc</extracomment>
        <translation>Verifique as definições abaixo e clique em Concluir para iniciar a cópia de segurança.</translation>
    </message>
    <message>
        <source>Your sign-in was revoked and the saved credentials were removed. Please sign in again.</source>
        <extracomment>Used by: err_auth_wipe</extracomment>
        <translation>O seu início de sessão foi revogado e as credenciais guardadas foram removidas. Inicie sessão novamente.</translation>
    </message>
</context>
</TS>
